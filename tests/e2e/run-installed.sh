#!/usr/bin/env bash
# Installs into a scratch prefix and starts the installed program the way its menu entry
# does (from the entry's working folder), under a private X server: no error box.
#   run-installed.sh <build folder>
set -euo pipefail
build=$(readlink -f "$1")
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/fourier.desktop"
for f in "$prefix/bin/fourier" "$prefix/share/fourier/velmora.cfg" \
         "$prefix/share/icons/hicolor/32x32/apps/fourier.png" "$entry"; do
    [ -e "$f" ] || fail "not installed: $f"
done
grep -qx 'Name=Фурье' "$entry" || fail "menu name"
grep -q '^Categories=Education;' "$entry" || fail "category"

workdir=$(sed -n 's/^Path=//p' "$entry")
[ "$workdir" = "$prefix/share/fourier" ] || fail "working folder $workdir"
grep -qx "Exec=$prefix/bin/fourier" "$entry" || fail "command"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

(cd "$workdir" && exec "$prefix/bin/fourier") >"$work/log" 2>&1 &
app=$!
pids+=($app)
timeout 20 xdotool search --sync --onlyvisible --name '^Анализ  и синтез Фурье$' >/dev/null || fail "no window"
xdotool search --onlyvisible --name '^Фурье$' >/dev/null && fail "an error box: $(cat "$work/log")"
[ ! -s "$work/log" ] || ! grep -q "File not found" "$work/log" || fail "File not found"
echo "installed program: ok"
