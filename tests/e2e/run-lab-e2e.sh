#!/usr/bin/env bash
# The lab end to end under Xvfb: the real program, F2, each view shown with its shortcut and
# checked for its curves' colours, the lab following a synthesis in the main window, the
# panes beyond the views, the user's own function typed into its field, and the lab's
# library loaded only when the lab is first opened.
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
# Pixels within 15 % of a colour in the lab window of screenshot $1: the matches are painted
# a colour nothing else has, then everything else black and they white (the later steps
# match exactly, or black itself would pass for the marker), then counted.
count_near() {
    "$convert" "$work/$1.png" -crop "${lab_w}x${lab_h}+${lab_x}+${lab_y}" +repage \
        -fuzz 15% -fill '#010203' -opaque "$2" \
        -fuzz 0 -fill black +opaque '#010203' -fill white -opaque '#010203' \
        -format '%[fx:round(mean*w*h)]' info:
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

# Ctrl+W closes the lab; the main window stays.
xdotool windowfocus --sync "$lab"
xdotool key ctrl+w
sleep 0.3
xdotool search --onlyvisible --name '^Лаборатория$' >/dev/null && fail "Ctrl+W left the lab open"
kill -0 "$app" || fail "the program ended with the lab"
echo "lab end to end: ok"
