#!/bin/sh
# install_test.sh BUILD_DIR|PACKAGE.deb FULL_BINDIR FULL_DATADIR EXAMPLES_DIR CLOSE_WINDOW
#
# Installs BUILD_DIR into a scratch root (DESTDIR), or unpacks the Debian
# package there, and checks it as the desk laptop will use it:
#   1. every file lands where the desktop looks for it, the example files
#      unchanged, and the program carries no RPATH into the build folder; a
#      package names the Qt 6 libraries it needs and installs as root;
#   2. the desktop entry validates, starts the installed launcher, names the
#      installed icon, and the icon renders;
#   3. the launcher, started as the menu starts it (clean environment, HOME a
#      fresh folder, Xvfb), makes ~/qx30, seeds it, and the program writes its
#      empty automatic session file and parametres.ini there; closed like a
#      window manager closes it, the program writes its final session file
#      and ends with status 0;
#   4. the launcher never overwrites the operator's files, takes a folder as
#      its one argument and passes no argument to the program.
# Exits 77 (skipped) when a tool it needs is missing.
set -eu

[ $# -eq 5 ] || { echo "usage: $0 BUILD_DIR|PACKAGE.deb FULL_BINDIR FULL_DATADIR EXAMPLES_DIR CLOSE_WINDOW" >&2; exit 2; }
build=$1 bindir=$2 datadir=$3 examples=$4 close_window=$5

skip() { echo "SKIP: $* (scripts/setup installs it)"; exit 77; }
for tool in cmake Xvfb xdotool desktop-file-validate rsvg-convert identify readelf cmp; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing"
done
[ -n "$close_window" ] && [ -x "$close_window" ] || skip "close_window was not built (libx11-dev is missing)"
case $build in *.deb) command -v dpkg-deb >/dev/null 2>&1 || skip "dpkg-deb is missing" ;; esac

started=$(date +%s)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/qx30-install.XXXXXX")
xvfb_pid=
qx30_pid=
cleanup() {
  [ -z "$qx30_pid" ] || kill "$qx30_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

fail() {
  echo "FAIL: $*" >&2
  for log in "$scratch"/*.log; do
    [ -s "$log" ] || continue
    echo "--- $(basename "$log")" >&2
    tail -n 20 "$log" >&2
  done
  exit 1
}
size_of() { wc -c <"$1" | tr -d ' '; }
lists="frequences.txt pilotes.txt commentaires.txt aide.txt parametres.ini"

# 1. The install ---------------------------------------------------------------
root=$scratch/root
case $build in
  *.deb)
    dpkg-deb -x "$build" "$root" >"$scratch/install.log" 2>&1 || fail "dpkg-deb -x"
    depends=$(dpkg-deb -f "$build" Depends)
    for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
      case " $depends," in *" $lib "*|*" $lib,"*) ;; *) fail "the package does not depend on $lib: $depends" ;; esac
    done
    dpkg-deb -c "$build" | awk '$2 != "root/root" { bad = 1; print } END { exit bad }' >"$scratch/owners.log" \
      || fail "files in the package not owned by root"
    ;;
  *)
    DESTDIR=$root cmake --install "$build" >"$scratch/install.log" 2>&1 || fail "cmake --install"
    ;;
esac
bin=$root$bindir
share=$root$datadir

for program in qx30 qx30-seance; do
  [ -f "$bin/$program" ] && [ -x "$bin/$program" ] || fail "$bindir/$program is missing or not executable"
done
desktop=$share/applications/qx30.desktop
icon=$share/icons/hicolor/scalable/apps/qx30.svg
[ -f "$desktop" ] || fail "$datadir/applications/qx30.desktop is missing"
[ -f "$icon" ] || fail "$datadir/icons/hicolor/scalable/apps/qx30.svg is missing"
for name in $lists; do
  [ -f "$share/qx30/$name" ] || fail "$datadir/qx30/$name is missing"
  cmp -s "$examples/$name" "$share/qx30/$name" || fail "$datadir/qx30/$name differs from examples/$name"
done
[ "$(size_of "$share/qx30/parametres.ini")" -eq 20 ] || fail "the default parametres.ini is not one 20-byte record"
# Qt comes from the system folders: an RPATH left by the build would point
# into a folder the desk laptop does not have.
if readelf -d "$bin/qx30" | grep -Eq '\((RPATH|RUNPATH)\)'; then
  fail "the installed program carries an RPATH: $(readelf -d "$bin/qx30" | grep -E 'R(UN)?PATH')"
fi

# 2. Desktop entry and icon ----------------------------------------------------
desktop-file-validate "$desktop" >"$scratch/validate.log" 2>&1 || fail "desktop-file-validate"
[ ! -s "$scratch/validate.log" ] || fail "desktop-file-validate complains"
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Type)" = Application ] || fail "Type is not Application"
[ "$(key Terminal)" = false ] || fail "the entry asks for a terminal"
case ";$(key Categories)" in *";Utility;"*) ;; *) fail "Categories lacks Utility" ;; esac
[ "$(key Icon)" = qx30 ] || fail "Icon is not the installed icon's name"
# The menu resolves Exec through PATH: with the installed bin folder on it,
# the command must be the installed launcher.
exec_cmd=$(key Exec)
[ "$(PATH="$bin:/usr/bin:/bin"; command -v "$exec_cmd")" = "$bin/qx30-seance" ] \
  || fail "Exec ($exec_cmd) does not start the installed launcher"
[ "$(key TryExec)" = "" ] || [ "$(PATH="$bin:/usr/bin:/bin"; command -v "$(key TryExec)")" = "$bin/qx30-seance" ] \
  || fail "TryExec does not name the installed launcher"
rsvg-convert -w 48 -h 48 "$icon" -o "$scratch/icon.png" 2>"$scratch/rsvg.log" || fail "the icon does not render"
[ "$(identify -format '%w %h' "$scratch/icon.png")" = "48 48" ] || fail "the icon renders at the wrong size"
[ "$(identify -format '%k' "$scratch/icon.png")" -gt 16 ] || fail "the icon renders (nearly) blank"

# 3. The launcher and the program under Xvfb -----------------------------------
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
  3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
until [ -s "$scratch/display" ]; do
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
  tries=$((tries + 1)); [ "$tries" -le 100 ] || fail "Xvfb gave no display within 10 s"
  sleep 0.1
done
display=:$(tr -d '\n' <"$scratch/display")

home=$scratch/home
mkdir -p "$home" "$scratch/run"
chmod 700 "$scratch/run"
# As the desktop menu starts it: a clean environment, the launcher found on PATH.
# (A sanitizer build's leak report at exit is not what this test is about.)
as_desktop() {
  env -i HOME="$home" PATH="$bin:/usr/bin:/bin" DISPLAY="$display" \
    XDG_RUNTIME_DIR="$scratch/run" LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 "$@"
}
# start_desk LOG [ARGUMENT]: starts the launcher named by the desktop entry
# and waits for the program's window (qx30_pid, window).
start_desk() {
  log=$1
  shift
  as_desktop "$exec_cmd" "$@" >"$scratch/$log" 2>&1 &
  qx30_pid=$!
  window=
  tries=0
  while [ -z "$window" ]; do
    kill -0 "$qx30_pid" 2>/dev/null || fail "the program ended before showing its window"
    tries=$((tries + 1)); [ "$tries" -le 150 ] || fail "no qx30 window within 15 s"
    sleep 0.1
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^qx30 - Gestion d' 2>/dev/null | head -n 1 || true)
  done
}
# close_desk: closes the window as a window manager does and waits for the
# program to end with status 0.
close_desk() {
  DISPLAY=$display "$close_window" "$window" || fail "could not ask the window to close"
  tries=0
  while kill -0 "$qx30_pid" 2>/dev/null; do
    tries=$((tries + 1)); [ "$tries" -le 100 ] || fail "the program is still running 10 s after its window was closed"
    sleep 0.1
  done
  status=0
  wait "$qx30_pid" || status=$?
  qx30_pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
# session FOLDER KIND: the one session file of that kind (aut, fin) in FOLDER,
# waiting a little for it; an empty table gives an empty file.
session() {
  tries=0
  until [ -n "$(find "$1" -maxdepth 1 -name "*_seance_$2.dat")" ]; do
    tries=$((tries + 1)); [ "$tries" -le 50 ] || fail "no *_seance_$2.dat in $1"
    sleep 0.1
  done
  found=$(find "$1" -maxdepth 1 -name "*_seance_$2.dat")
  [ "$(echo "$found" | wc -l)" -eq 1 ] || fail "more than one *_seance_$2.dat in $1"
  basename "$found" | grep -Eq "^[0-9]{8}_[0-9]{6}_seance_$2\\.dat\$" || fail "session file name $(basename "$found")"
  [ "$(size_of "$found")" -eq 0 ] || fail "$(basename "$found") of an empty table is not empty"
  echo "$found"
}

# First start on the desk laptop: no ~/qx30 yet.
start_desk qx30.log
DISPLAY=$display xdotool search --onlyvisible --class '^qx30$' 2>/dev/null | grep -qx "$window" \
  || fail "the window's class is not qx30 (the desktop entry's StartupWMClass)"
work=$home/qx30
[ -d "$work" ] || fail "the launcher did not make ~/qx30"
for name in $lists; do
  cmp -s "$share/qx30/$name" "$work/$name" || fail "~/qx30/$name is not the installed example"
done
aut=$(session "$work" aut)
[ -z "$(find "$work" -name '*_seance_fin.dat')" ] || fail "a final session file exists before the window was closed"
close_desk
fin=$(session "$work" fin)
cmp -s "$share/qx30/parametres.ini" "$work/parametres.ini" || fail "parametres.ini lost the default colours"

# A folder given to the launcher, blanks and accents in its name, where the
# operator already has a pilot list and colours of their own: the launcher
# keeps both, the program shows those colours and writes them back as one
# 20-byte record (the file held a stray 21st byte).
chosen="$home/séance du dimanche"
mkdir -p "$chosen"
printf 'Zoé\r\nYves\r\n' >"$chosen/pilotes.txt"
cp "$chosen/pilotes.txt" "$scratch/pilotes.own"
# 0x00C0FFC0 0x0080FFFF 0x00F0F0F0 0x00FFE0C0 0x00E0F0FF, low byte first.
printf '\300\377\300\000\377\377\200\000\360\360\360\000\300\340\377\000\377\360\340\000' >"$scratch/colours"
cp "$scratch/colours" "$chosen/parametres.ini"
printf 'x' >>"$chosen/parametres.ini"
start_desk qx30-chosen.log "$chosen"
cmp -s "$scratch/pilotes.own" "$chosen/pilotes.txt" || fail "the launcher overwrote the operator's pilotes.txt"
for name in frequences.txt commentaires.txt aide.txt; do
  cmp -s "$share/qx30/$name" "$chosen/$name" || fail "$name was not seeded into the given folder"
done
session "$chosen" aut >/dev/null
close_desk
session "$chosen" fin >/dev/null
cmp -s "$scratch/colours" "$chosen/parametres.ini" || fail "the program did not write back the operator's colours"
[ -z "$(find "$work" -newer "$fin" -name '*.dat')" ] || fail "a run in another folder wrote into ~/qx30"

kill "$xvfb_pid" 2>/dev/null || true
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=

# 4. The launcher's own rules, with a stand-in program -------------------------
# The stand-in records where it was started and with how many arguments.
mv "$bin/qx30" "$bin/qx30.real"
cat >"$bin/qx30" <<'EOF'
#!/bin/sh
{ pwd; echo "$#"; } >"$HOME/started"
EOF
chmod +x "$bin/qx30"

# The default folder again: a list the operator removed comes back, an edited
# one and the session files stay as they are, and the program gets no argument.
rm "$work/commentaires.txt"
echo 35990 >>"$work/frequences.txt"
cp "$work/frequences.txt" "$scratch/frequences.own"
as_desktop "$exec_cmd" >"$scratch/launcher.log" 2>&1 || fail "the launcher failed on ~/qx30"
[ "$(sed -n 1p "$home/started")" = "$work" ] || fail "the program was not started in ~/qx30"
[ "$(sed -n 2p "$home/started")" = 0 ] || fail "the launcher passed arguments to the program"
cmp -s "$share/qx30/commentaires.txt" "$work/commentaires.txt" || fail "a removed list was not seeded again"
cmp -s "$scratch/frequences.own" "$work/frequences.txt" || fail "the launcher overwrote the operator's frequences.txt"
[ "$(find "$work" -name '*.dat' | sort | tr '\n' ' ')" = "$aut $fin " ] || fail "the session files in ~/qx30 changed"

# More than one argument is refused before anything starts.
rm "$home/started"
if as_desktop "$exec_cmd" "$work" extra >>"$scratch/launcher.log" 2>&1; then
  fail "the launcher accepted two arguments"
fi
[ ! -e "$home/started" ] || fail "the program was started despite the refused arguments"

echo "install test passed in $(( $(date +%s) - started )) s"
