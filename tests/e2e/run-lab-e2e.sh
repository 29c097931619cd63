#!/usr/bin/env bash
# The lab end to end under Xvfb: the real program, F2, each view shown with its shortcut and
# checked for its curves' colours, the lab following a synthesis in the main window, the
# panes beyond the views, the user's own function typed into its field, a square wave drawn
# with the mouse and its spectrum, and the lab's library loaded only when the lab is first
# opened (a program without it says so on F2 and goes on).
#   run-lab-e2e.sh <path to fourier> <folder holding the default velmora.cfg>
# E2E_SHOTS names a folder to keep the screenshots in; the convergence view, cut to the lab
# window, is the software centre's docs/screenshot-lab.png.
set -euo pipefail
fourier=$(readlink -f "$1")
config_dir=$(readlink -f "$2")
convert=/usr/bin/convert
caption='Анализ  и синтез Фурье'
wait_for=${E2E_WAIT:-20}

# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"
start_xserver

shot() { # shot <name>: the whole screen, kept in E2E_SHOTS when given
    sleep "${E2E_SETTLE:-0.4}"
    import -window root "$work/$1.png"
    [ -z "${E2E_SHOTS:-}" ] || cp "$work/$1.png" "$E2E_SHOTS/lab-$1.png"
}
# The pixels within 15 % of a colour in part of screenshot $1, white on black, measured:
# near <shot> <crop geometry> <colour> <format>. The matches are painted a colour nothing
# else has, then everything else black and they white (the later steps match exactly, or
# black itself would pass for the marker).
near() {
    "$convert" "$work/$1.png" -crop "$2" +repage \
        -fuzz 15% -fill '#010203' -opaque "$3" \
        -fuzz 0 -fill black +opaque '#010203' -fill white -opaque '#010203' -format "$4" info:
}
count_near() { # count_near <shot> <colour>: how many, in the lab window
    near "$1" "${lab_w}x${lab_h}+${lab_x}+${lab_y}" "$2" '%[fx:round(mean*w*h)]'
}
expect_colour() { # expect_colour <shot> <colour> <at least> <what>
    local n
    n=$(count_near "$1" "$2")
    [ "$n" -ge "$3" ] || fail "$4: $n pixels near $2 in the lab's $1 view"
}
expect_no_colour() { # expect_no_colour <shot> <colour> <what>
    local n
    n=$(count_near "$1" "$2")
    [ "$n" -lt 20 ] || fail "$3: $n pixels near $2 in the lab's $1 view"
}
lab_loaded() { grep -q libfourier-lab "/proc/$app/maps"; }

mkdir "$work/run" && cp "$config_dir/velmora.cfg" "$work/run/"
(cd "$work/run" && exec "$fourier") >"$work/log" 2>&1 &
app=$!
pids+=($app)
wid=$(timeout "$wait_for" xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
[ -n "$wid" ] || fail "no window"
xdotool windowfocus --sync "$wid"
lab_loaded && fail "the lab's library is loaded before the lab is opened"

xdotool key Down Down                  # "2. Прямоугольник"
xdotool key Tab 5 Return # a synthesis up to harmonic 5
xdotool key F2
lab=$(timeout "$wait_for" xdotool search --sync --onlyvisible --name '^Лаборатория$' | head -n 1)
[ -n "$lab" ] || fail "F2 opened no lab: $(cat "$work/log")"
lab_loaded || fail "the lab is open but its library is not loaded"
grep -q libQCustomPlot "/proc/$app/maps" || fail "the lab is open without its plotting library"
eval "$(xdotool getwindowgeometry --shell "$lab" | sed 's/^/lab_/' | tr 'A-Z' 'a-z')"
[ "$lab_width" -gt 600 ] && [ "$lab_height" -gt 400 ] || fail "lab window ${lab_width}x${lab_height}"
lab_w=$lab_width lab_h=$lab_height

blue='rgb(0,90,200)' green='rgb(0,130,60)' dark_red='rgb(200,0,0)' red='rgb(255,0,0)'
xdotool windowfocus --sync "$lab"
xdotool key ctrl+1 && shot convergence
# Thresholds: about half of what a correct view shows (thin smoothed lines keep few pixels
# near their pure colour); colours a view does not use must be absent.
expect_colour convergence "$blue" 120 "RMS error curve"
expect_colour convergence "$green" 120 "energy share curve"
expect_colour convergence "$dark_red" 100 "overshoot curve"
xdotool key ctrl+2 && shot residual
expect_colour residual "$red" 150 "partial sum"
expect_colour residual "$blue" 250 "residual"
expect_no_colour residual "$green" "a curve of another view"
xdotool key ctrl+3 && shot coefficient
expect_colour coefficient "$green" 1000 "integrand"
expect_colour coefficient "$dark_red" 500 "running integral"
expect_no_colour coefficient "$blue" "a curve of another view"
xdotool key ctrl+4 && shot spectrum
expect_colour spectrum "$blue" 300 "magnitude stems"
expect_colour spectrum "$green" 500 "phases"
expect_no_colour spectrum "$red" "a curve of another view"
xdotool key ctrl+d && shot spectrum-db
expect_colour spectrum-db "$blue" 10000 "magnitude stems in dB, rising from -200 dB"

# Live: the harmonic number goes up in the main window, and the lab's coefficient view changes.
xdotool key ctrl+3 && shot before
xdotool windowfocus --sync "$wid"
xdotool key Up Return # the harmonic field still has the focus: 6, then a synthesis
shot after
changed=$("$convert" "$work/before.png" "$work/after.png" -crop "${lab_w}x${lab_h}+${lab_x}+${lab_y}" +repage \
    -compose difference -composite -threshold 0 -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || true)
[ "${changed:-0}" -gt 1000 ] || fail "the lab did not follow the synthesis ($changed pixels changed)"

# The tabs behind the panes, by keys alone. «Операции» (Ctrl+0): time reversal, chosen with
# Tab and Enter, makes the shown signal the lab's own (the heading says so), and Ctrl+Z
# follows the main window again (the heading as it was).
heading() { # the heading's strip of shot $1
    "$convert" "$work/$1.png" -crop "${lab_w}x22+${lab_x}+$((lab_y + 26))" +repage "$work/$1-heading.png"
}
differing() { # pixels that differ between two pictures
    "$convert" "$work/$1" "$work/$2" -compose difference -composite -threshold 0 \
        -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || echo 0
}
xdotool windowfocus --sync "$lab"
xdotool key ctrl+0 && shot operations
xdotool key Tab Return && shot reversed
xdotool key ctrl+z && shot reversal-undone
heading operations && heading reversed && heading reversal-undone
[ "$(differing operations-heading.png reversed-heading.png)" -gt 50 ] ||
    fail "time reversal left the lab's heading as it was"
[ "$(differing operations-heading.png reversal-undone-heading.png)" -eq 0 ] ||
    fail "Ctrl+Z did not bring the main window's signal back to the lab"
# «Круги»: the circles of S_6 and the tip's trace beside the signal.
xdotool key ctrl+Tab && shot circles
expect_colour circles 'rgb(110,150,220)' 150 "circles"
expect_colour circles 'rgb(220,0,0)' 150 "the tip's trace"
# «Дискретизация»: the square wave at 16 samples a period, its harmonics above 8 folded back.
xdotool key ctrl+Tab && shot sampling
expect_colour sampling "$blue" 300 "samples and the harmonics kept"
expect_colour sampling "$dark_red" 150 "the rebuilt signal and the folded harmonics"

# The panes beyond the views: each comes up with its shortcut.
xdotool windowfocus --sync "$lab"
for pane in 5:sound 6:formula 7:draw 8:coefficients 9:harmonics; do
    xdotool key "ctrl+${pane%%:*}" && shot "${pane#*:}"
done
# The own function: typed into its field, it replaces the square wave in the views.
xdotool key ctrl+6
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 'x^2'
xdotool key Return
xdotool key ctrl+2 && shot own-residual
expect_colour own-residual "$red" 150 "partial sum of the own function"
# The parabola has no jump: its residual is far smaller than the square wave's was.
expect_no_colour own-residual "$green" "a curve of another view"

# Drawing: a square wave drawn with the mouse in «Нарисовать». Its a_k and b_k show under
# the drawing while the pen moves, and the spectrum view shows it instead of x^2.
xdotool key ctrl+4 && shot own-spectrum
xdotool key ctrl+7 && shot draw-empty
# The empty drawing is its zero line: where it lies says where the drawing area is.
zero=$(near draw-empty "${lab_w}x${lab_h}+${lab_x}+${lab_y}" "$dark_red" '%@')
IFS='x+' read -r zero_w _ zero_x zero_y <<<"$zero"
[ "$zero_w" -gt 300 ] || fail "no zero line in the empty drawing ($zero)"
left=$((lab_x + zero_x - 4)) right=$((lab_x + zero_x + zero_w + 4)) middle=$((lab_x + zero_x + zero_w / 2))
low=$((lab_y + zero_y + 60)) high=$((lab_y + zero_y - 60))
draw_to() { # in jumps of 40 pixels, as a quick hand moves
    local x=$1 y=$2
    while [ "$pen_x" -ne "$x" ] || [ "$pen_y" -ne "$y" ]; do
        pen_x=$((x > pen_x ? (x - pen_x > 40 ? pen_x + 40 : x) : (pen_x - x > 40 ? pen_x - 40 : x)))
        pen_y=$((y > pen_y ? (y - pen_y > 40 ? pen_y + 40 : y) : (pen_y - y > 40 ? pen_y - 40 : y)))
        xdotool mousemove "$pen_x" "$pen_y"
        sleep 0.02
    done
}
pen_x=$left pen_y=$low
xdotool mousemove "$left" "$low" mousedown 1
draw_to "$middle" "$low"
draw_to "$middle" "$high"
draw_to "$right" "$high"
xdotool mouseup 1
shot drawn
green_bars='rgb(0,160,0)'
# The drawn line left the zero line: what stays of it is where the pen crossed it.
flat=$(count_near drawn "$dark_red")
[ "$flat" -gt 300 ] || fail "the drawn line is missing ($flat pixels)"
row_at() { # dark red pixels in screen row $2 of shot $1
    near "$1" "$((right - left))x1+${left}+$2" "$dark_red" '%[fx:round(mean*w*h)]'
}
for level in $((low - 1)) $low $((low + 1)); do n=$(row_at drawn "$level"); [ "$n" -gt "${low_run:-0}" ] && low_run=$n; done
for level in $((high - 1)) $high $((high + 1)); do n=$(row_at drawn "$level"); [ "$n" -gt "${high_run:-0}" ] && high_run=$n; done
[ "$low_run" -gt $((zero_w / 3)) ] && [ "$high_run" -gt $((zero_w / 3)) ] ||
    fail "the drawn square wave's halves: $low_run and $high_run pixels at its two levels"
xdotool key ctrl+4 && shot drawn-spectrum
expect_colour drawn-spectrum "$blue" 300 "magnitude stems of the drawing"
changed=$("$convert" "$work/own-spectrum.png" "$work/drawn-spectrum.png" -crop "${lab_w}x${lab_h}+${lab_x}+${lab_y}" +repage \
    -compose difference -composite -threshold 0 -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || true)
[ "${changed:-0}" -gt 1000 ] || fail "the spectrum view did not take the drawing ($changed pixels changed)"
# Ctrl+Z takes the stroke back: the bars are gone.
xdotool key ctrl+7
sleep 0.3
xdotool key ctrl+z && shot undone
# Bars at zero still show as thin lines: the drawn wave's b_k add hundreds of pixels to them.
bars_drawn=$(count_near drawn "$green_bars") bars_undone=$(count_near undone "$green_bars")
[ "$bars_drawn" -gt $((bars_undone + 300)) ] ||
    fail "b_k bars: $bars_drawn pixels while drawn, $bars_undone once undone"
zero_back=$(row_at undone "$((lab_y + zero_y))")
[ "$zero_back" -gt $((zero_w * 9 / 10)) ] || fail "Ctrl+Z left the drawing ($zero_back pixels of its zero line)"

# Ctrl+W closes the lab; the main window stays.
xdotool windowfocus --sync "$lab"
xdotool key ctrl+w
sleep 0.3
xdotool search --onlyvisible --name '^Лаборатория$' >/dev/null && fail "Ctrl+W left the lab open"
kill -0 "$app" || fail "the program ended with the lab"
kill "$app"
wait "$app" 2>/dev/null || true
# The next search must not find this program's window, closing as it is.
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$caption\$" >/dev/null || break
    sleep 0.1
done

# A program whose lab library is missing says so when F2 is pressed, and goes on.
mkdir "$work/alone" && cp "$fourier" "$work/alone/" && cp "$config_dir/velmora.cfg" "$work/alone/"
(cd "$work/alone" && exec ./fourier) >"$work/log" 2>&1 &
app=$!
pids+=($app)
wid=$(timeout "$wait_for" xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
[ -n "$wid" ] || fail "no window without the lab's library"
xdotool windowfocus --sync "$wid"
xdotool key F2
box=$(timeout "$wait_for" xdotool search --sync --onlyvisible --name '^Фурье$' | head -n 1)
[ -n "$box" ] || fail "F2 without the lab's library showed no message"
import -window root "$work/no-lab.png"
[ -z "${E2E_SHOTS:-}" ] || cp "$work/no-lab.png" "$E2E_SHOTS/lab-missing.png"
xdotool windowfocus --sync "$box" key Return
sleep 0.3
kill -0 "$app" || fail "the program ended when its lab could not be loaded"
xdotool search --onlyvisible --name '^Лаборатория$' >/dev/null && fail "a lab without its library"
echo "lab end to end: ok"
