#!/usr/bin/env bash
# Installs into a scratch prefix and starts the installed program the way its menu entry
# does (from the entry's working folder), under a private X server: no error box.
#   run-installed.sh <build folder>
set -euo pipefail
build=$(readlink -f "$1")
# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"

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

start_xserver

(cd "$workdir" && exec "$prefix/bin/fourier") >"$work/log" 2>&1 &
app=$!
pids+=($app)
timeout 20 xdotool search --sync --onlyvisible --name '^Анализ  и синтез Фурье$' >/dev/null || fail "no window"
xdotool search --onlyvisible --name '^Фурье$' >/dev/null && fail "an error box: $(cat "$work/log")"
[ ! -s "$work/log" ] || ! grep -q "File not found" "$work/log" || fail "File not found"
echo "installed program: ok"
