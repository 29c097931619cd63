#!/usr/bin/env bash
# A lesson by key presses alone under Xvfb: the square wave chosen and synthesised up to 5,
# the lab opened with F2, its spectrum view, a straight segment drawn in «Нарисовать» with the
# drawing's keyboard cursor, and the lab's data saved as CSV through its «Файл» menu and Qt's
# own file dialog. The CSV must hold the segment's samples on their straight line; the
# screenshots the spectrum's colours, the drawn line and the keyboard's cursor.
#   run-keyboard-e2e.sh <path to fourier> <folder holding the default velmora.cfg>
# E2E_SHOTS names a folder to keep the screenshots in.
set -euo pipefail
fourier=$(readlink -f "$1")
config_dir=$(readlink -f "$2")
convert=/usr/bin/convert
wait_for=${E2E_WAIT:-20}

# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"
start_xserver

shot() { # shot <name>: the whole screen, kept in E2E_SHOTS when given
    sleep "${E2E_SETTLE:-0.4}"
    import -window root "$work/$1.png"
    [ -z "${E2E_SHOTS:-}" ] || cp "$work/$1.png" "$E2E_SHOTS/keyboard-$1.png"
}
# How many pixels of the lab window in shot $1 lie within 15 % of colour $2.
count_near() {
    "$convert" "$work/$1.png" -crop "$lab_geometry" +repage \
        -fuzz 15% -fill '#010203' -opaque "$2" \
        -fuzz 0 -fill black +opaque '#010203' -fill white -opaque '#010203' \
        -format '%[fx:round(mean*w*h)]' info:
}
expect_colour() { # expect_colour <shot> <colour> <at least> <what>
    local n
    n=$(count_near "$1" "$2")
    [ "$n" -ge "$3" ] || fail "$4: $n pixels near $2 in the lab's $1 view"
}
# The program's visible window with this title (Cyrillic titles are matched by the
# program's process and the window's name, not by xdotool's --name).
window_named() {
    local w
    for _ in $(seq $((wait_for * 10))); do
        for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return; }
        done
        sleep 0.1
    done
}
keys() { # keys <key>…: one at a time, as a hand presses them
    xdotool key --delay 40 "$@"
}

mkdir "$work/run" && cp "$config_dir/velmora.cfg" "$work/run/"
(cd "$work/run" && exec "$fourier") >"$work/log" 2>&1 &
app=$!
pids+=($app)
main=$(window_named 'Анализ  и синтез Фурье')
[ -n "$main" ] || fail "no main window: $(cat "$work/log")"
xdotool windowfocus --sync "$main"

keys Down Down   # "2. Прямоугольник" in the list of functions
keys Tab 5 Return # harmonic 5, synthesised
keys F2
lab=$(window_named 'Лаборатория')
[ -n "$lab" ] || fail "F2 opened no lab: $(cat "$work/log")"
xdotool windowfocus --sync "$lab"
eval "$(xdotool getwindowgeometry --shell "$lab")"
lab_geometry="${WIDTH}x${HEIGHT}+${X}+${Y}"

blue='rgb(0,90,200)' green='rgb(0,130,60)' dark_red='rgb(200,0,0)' cursor='rgb(0,100,210)'
keys ctrl+4 && shot spectrum
expect_colour spectrum "$blue" 300 "magnitude stems"
expect_colour spectrum "$green" 500 "phases"

# «Нарисовать»: the tab opens with the keys on the drawing. The cursor goes to the first
# sample at -1 (ten steps of 0.1 down), Space sets the anchor there, the cursor goes sixteen
# jumps of 16 samples right, to sample 256 (x = 0), and twenty steps up, to 1; Space draws.
keys ctrl+7 && shot draw-empty
keys Home
keys $(printf 'Down %.0s' $(seq 10))
keys space
keys $(printf 'Next %.0s' $(seq 16))
keys $(printf 'Up %.0s' $(seq 20))
keys space Return && shot drawn
# The drawn line: the curve's colour is still there, and the drawing changed where the
# segment now runs from the bottom left up to the middle.
expect_colour drawn "$dark_red" 300 "the drawn curve"
changed=$("$convert" "$work/draw-empty.png" "$work/drawn.png" -crop "$lab_geometry" +repage \
    -compose difference -composite -threshold 0 -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || true)
[ "${changed:-0}" -gt 600 ] || fail "no segment drawn ($changed pixels changed)"
expect_colour drawn "$cursor" 150 "the keyboard's cursor on the drawing"
keys ctrl+4 && shot drawn-spectrum
expect_colour drawn-spectrum "$blue" 300 "magnitude stems of the drawing"

# The lab's data through its menu: Alt+Ф opens «Файл»; below the lesson's two entries and a
# separator come «Сохранить рисунок…», «Копировать рисунок», «Сохранить данные…».
csv="$work/keys.csv"
keys alt+Cyrillic_ef
sleep 0.3
keys Down Down Down Down Return
dialog=$(window_named 'Сохранить данные')
[ -n "$dialog" ] || fail "«Сохранить данные…» opened no file dialog"
xdotool windowfocus --sync "$dialog"
keys ctrl+a
xdotool type --delay 20 "$csv"
keys Return
for _ in $(seq $((wait_for * 10))); do [ -s "$csv" ] && break; sleep 0.1; done
[ -s "$csv" ] || fail "no CSV saved at $csv"

# The header, and every sample: on the line from -1 at j = 0 to 1 at j = 256, zero beyond.
[ "$(sed -n 2p "$csv")" = 'j,x,f(x),k,a_k,b_k,amplitude,phase_rad' ] ||
    fail "CSV header: $(sed -n 2p "$csv")"
bad=$(awk -F, 'NR > 2 && $1 != "" {
        want = $1 <= 256 ? -1 + 2 * $1 / 256 : 0
        d = $3 - want; if (d < 0) d = -d
        if (d > 1e-9) { print $1 ": " $3 " (want " want ")"; n++ }
        rows++
    } END { if (rows != 512) print "rows: " rows }' "$csv" | head -n 5)
[ -z "$bad" ] || fail "the CSV's samples are not the drawn segment: $bad"
echo "keyboard end to end: ok"
