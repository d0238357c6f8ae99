#!/bin/sh
# install_test.sh BUILD_DIR|PACKAGE.deb FULL_BINDIR FULL_DATADIR CLOSE_WINDOW:
# the program installed from the build (cmake --install) or unpacked from its
# Debian package, started as the menu starts it, then closed as a window
# manager does (scripts/package checks its metadata). Exits 77 (skipped)
# when a tool is missing.
set -eu
from=$1 bindir=$2 datadir=$3 close_window=$4
for tool in cmake dpkg-deb Xvfb xdotool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing (scripts/setup installs it)"; exit 77; }
done
[ -x "$close_window" ] || { echo "SKIP: close_window was not built (libx11-dev is missing)"; exit 77; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/qx30-install.XXXXXX")
xvfb=
trap '[ -z "$xvfb" ] || kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; tail -n 20 "$scratch"/*.log >&2 2>/dev/null; exit 1; }
wait_for() {  # wait_for WHAT COMMAND...: up to 15 s
  what=$1; shift; n=0
  until "$@"; do n=$((n + 1)); [ $n -le 150 ] || fail "no $what within 15 s"; sleep 0.1; done
}

case $from in
  *.deb) dpkg-deb -x "$from" "$scratch/root" >"$scratch/install.log" 2>&1 || fail "dpkg-deb -x" ;;
  *) DESTDIR=$scratch/root cmake --install "$from" >"$scratch/install.log" 2>&1 || fail "cmake --install" ;;
esac
bin=$scratch/root$bindir
desktop=$scratch/root$datadir/applications/fr.tarvennes.qx30.desktop
exec_cmd=$(sed -n 's/^Exec=//p' "$desktop")
[ "$(PATH="$bin:/usr/bin:/bin" command -v "$exec_cmd")" = "$bin/qx30-seance" ] || fail "Exec does not start the installed launcher"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
wait_for "Xvfb display" test -s "$scratch/display"
display=:$(cat "$scratch/display")
home=$scratch/home work=$scratch/home/qx30
mkdir -p "$home"
# As the menu starts it, then closed as a window manager closes it.
env -i HOME="$home" PATH="$bin:/usr/bin:/bin" DISPLAY="$display" LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 \
  "$exec_cmd" >"$scratch/qx30.log" 2>&1 &
pid=$!
wait_for "qx30 window" sh -c "DISPLAY=$display xdotool search --onlyvisible --class '^qx30\$' >'$scratch/window'"
wait_for "automatic session file" sh -c "ls '$work'/*_seance_aut.dat >/dev/null 2>&1"
DISPLAY=$display "$close_window" "$(head -n 1 "$scratch/window")" || fail "could not ask the window to close"
wait $pid || fail "the program ended with status $?"
ls "$work"/*_seance_fin.dat >/dev/null 2>&1 || fail "no final session file"
for name in frequences.txt pilotes.txt commentaires.txt aide.txt parametres.ini; do
  cmp -s "$scratch/root$datadir/qx30/$name" "$work/$name" || fail "~/qx30/$name is not the installed example"
done
echo "install test passed"
