# Sourced by the scripts that run the Windows build under Wine: a scratch
# folder removed on exit, an Xvfb display, and a Wine prefix of its own in
# it. Sets scratch, DISPLAY, HOME and WINEPREFIX.
scratch=$(mktemp -d)
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(tr -d '\n' <"$scratch/display")

# Wine links the user's Documents and Desktop to $HOME: a home of its own
# keeps the installer's files out of the real one, and no menu entries.
mkdir "$scratch/home"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
export WINEPREFIX=$scratch/wine WINEARCH=win64 WINEDEBUG=-all
# A crash ends the process instead of waiting in the debugger; no Mono or
# Gecko installer at the prefix's creation; no desktop menu entries.
export WINEDLLOVERRIDES='winedbg.exe=d;mscoree=d;mshtml=d;winemenubuilder.exe=d'
wineboot -i >/dev/null 2>&1
wineserver -w
