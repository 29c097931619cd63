#!/usr/bin/env bash
# Installs into a scratch prefix and starts the installed program the way its menu entry
# does (the entry's command, in the entry's working folder), under a private X server: no
# error box, F1 opens the help, F2 the lab from the library installed beside the program,
# Ctrl+Q quits with status 0; the same at a screen scale of 2, where the window, the help
# and the lab are twice their size, each picture is its scale-1 pixels doubled and the
# lab's plots are drawn for the screen's pixels. Then uninstalls: nothing is left.
#   run-installed.sh <build folder>
# With FOURIER_SCREENSHOTS set to a folder, the screenshots are saved there: screenshot.png
# (the main window after a square wave up to harmonic 5, the software centre's picture, kept
# in docs/), main-scale2.png, help-scale2.png and lab-scale2.png (the same window, the help
# and the lab at scale 2).
set -euo pipefail
build=$(readlink -f "$1")
shots=${FOURIER_SCREENSHOTS:+$(readlink -f "$FOURIER_SCREENSHOTS")}
caption='Анализ  и синтез Фурье'
help_caption='Справка — Фурье'
convert=/usr/bin/convert
compare=/usr/bin/compare
# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
cp "$build/install_manifest.txt" "$work/manifest"
# The one menu entry is named after the program's id, as are its icon and its AppStream record.
entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "menu entries: ${entries[*]}"
entry=${entries[0]}
id=$(basename "$entry" .desktop)
for f in "$prefix/bin/fourier" "$prefix/share/fourier/velmora.cfg" "$entry" \
         "$prefix/share/metainfo/$id.metainfo.xml" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
         "$prefix/share/man/man1/fourier.1.gz" "$prefix/share/man/ru/man1/fourier.1.gz"; do
    [ -e "$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -e "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}px icon"
done
grep -qx 'Name=Фурье' "$entry" || fail "menu name"
grep -q '^Categories=Education;' "$entry" || fail "category"
grep -qx "Icon=$id" "$entry" || fail "icon name"

workdir=$(sed -n 's/^Path=//p' "$entry")
[ "$workdir" = "$prefix/share/fourier" ] || fail "working folder $workdir"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = "$prefix/bin/fourier %f" ] || fail "command $exec_line"
command=${exec_line% %f} # started from the menu, with no file

window_size() { xwininfo -id "$1" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w "x" h}'; }

# Starts the menu entry's command in its folder; $app is its process.
start_from_menu() {
    (cd "$workdir" && exec "$command") >"$work/log" 2>&1 &
    app=$!
    pids+=($app)
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
    [ -n "$wid" ] || fail "no window"
    if xdotool search --onlyvisible --name '^Фурье$' >/dev/null; then fail "an error box: $(cat "$work/log")"; fi
    xdotool windowfocus --sync "$wid"
}

# F1 opens the help; Escape closes it again.
open_help() {
    xdotool key F1
    help=$(timeout 10 xdotool search --sync --onlyvisible --name "^$help_caption\$" | head -n 1)
    [ -n "$help" ] || fail "F1 opened no help"
}

# Ctrl+Q ends the program, with status 0.
quit_with_ctrl_q() {
    xdotool windowfocus --sync "$wid"
    xdotool key ctrl+q
    local status=0
    timeout 10 tail --pid="$app" -f /dev/null || fail "Ctrl+Q did not end the program"
    wait "$app" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}

# The two pictures of a window screenshot, at the given scale: Image1 at (1, 1), 798 x 358,
# and Image2 at (480, 362), 318 x 205, in the window's own coordinates.
crop_pictures() { # screenshot scale name
    local s=$2
    $convert "$1" -crop "$((798 * s))x$((358 * s))+$((1 * s))+$((1 * s))" +repage "$work/$3-image1.png"
    $convert "$1" -crop "$((318 * s))x$((205 * s))+$((480 * s))+$((362 * s))" +repage "$work/$3-image2.png"
}
# F2 opens the lab, its library loaded from the installed plugins folder; $lab is its window.
open_lab() {
    xdotool windowfocus --sync "$wid"
    xdotool key F2
    lab=$(timeout 20 xdotool search --sync --onlyvisible --name '^Лаборатория$' | head -n 1)
    [ -n "$lab" ] || fail "F2 opened no lab: $(cat "$work/log")"
    grep -qE "$prefix/lib/(.+/)?fourier/plugins/libfourier-lab\.so" "/proc/$app/maps" ||
        fail "the lab's library is not the installed one"
    sleep 0.5
}
square_wave_to_harmonic_5() {
    xdotool key Down Down Tab 5 Return
    sleep 0.3
    import -window "$wid" "$work/$1.png"
    # The partial sum S_5 fills the first picture in red.
    local red
    red=$($convert "$work/$1.png" -fill black +opaque red -fill white -opaque red \
        -format '%[fx:round(mean*w*h)]' info:)
    [ "$red" -gt 20000 ] || fail "no partial sum in the window ($red red pixels)"
}

start_xserver
start_from_menu
square_wave_to_harmonic_5 scale1
crop_pictures "$work/scale1.png" 1 scale1
if [ -n "$shots" ]; then cp "$work/scale1.png" "$shots/screenshot.png"; fi
open_help
xdotool key Escape
sleep 0.3
if xdotool search --onlyvisible --name "^$help_caption\$" >/dev/null; then fail "Escape left the help open"; fi
open_lab
lab_scale1=$(window_size "$lab")
quit_with_ctrl_q
kill "${pids[0]}" && wait "${pids[0]}" 2>/dev/null || true
pids=()

# A projector's scale on a screen with room for it: everything twice the size.
start_xserver 2400x1800
export QT_SCALE_FACTOR=2
start_from_menu
[ "$(window_size "$wid")" = "1600x1200" ] || fail "window at scale 2: $(window_size "$wid")"
square_wave_to_harmonic_5 scale2
if [ -n "$shots" ]; then cp "$work/scale2.png" "$shots/main-scale2.png"; fi
# Each picture shows its scale-1 pixels doubled, exactly.
crop_pictures "$work/scale2.png" 2 scale2
for picture in image1 image2; do
    $convert "$work/scale1-$picture.png" -filter point -resize 200% "$work/doubled-$picture.png"
    differing=$($compare -metric AE "$work/scale2-$picture.png" "$work/doubled-$picture.png" null: 2>&1 || true)
    [ "$differing" = "0" ] || fail "$picture at scale 2 is not its scale-1 pixels doubled: $differing pixels differ"
done
open_help
sleep 0.3
[ "$(window_size "$help")" = "1440x1280" ] || fail "help at scale 2: $(window_size "$help")"
if [ -n "$shots" ]; then import -window "$help" "$shots/help-scale2.png"; fi
xdotool key Escape
open_lab
IFS=x read -r w1 h1 <<<"$lab_scale1"
[ "$(window_size "$lab")" = "$((2 * w1))x$((2 * h1))" ] || fail "lab at scale 2: $(window_size "$lab"), $lab_scale1 at scale 1"
import -window "$lab" "$work/lab-scale2.png"
if [ -n "$shots" ]; then cp "$work/lab-scale2.png" "$shots/lab-scale2.png"; fi
# Drawn for the screen's pixels, not a scale-1 picture doubled: halving and doubling the
# screenshot loses its single-pixel detail (thin curves, the strokes of the text).
$convert "$work/lab-scale2.png" -filter point -resize 50% -resize 200% "$work/lab-coarse.png"
fine=$($compare -metric AE "$work/lab-scale2.png" "$work/lab-coarse.png" null: 2>&1 || true)
[ "${fine%%.*}" -gt 20000 ] || fail "the lab at scale 2 looks like its scale-1 pixels doubled ($fine pixels of detail)"
quit_with_ctrl_q
unset QT_SCALE_FACTOR

# Uninstalling is removing what the installation wrote; then the prefix is empty.
xargs -d '\n' rm -- <"$work/manifest"
find "$prefix" -depth -type d -empty -delete
[ ! -e "$prefix" ] || fail "left behind: $(find "$prefix" | head)"
echo "installed program: ok"
