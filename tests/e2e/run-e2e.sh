#!/usr/bin/env bash
# End to end under Xvfb: the real binary, real key presses and mouse clicks, screenshots.
#   run-e2e.sh <path to fourier> <folder holding the default velmora.cfg>
# E2E_WRAPPER runs the program under a tool (valgrind, say); E2E_WAIT is how many seconds
# to wait for a window (default 20).
set -euo pipefail
wrapper=${E2E_WRAPPER:-}
wait_for=${E2E_WAIT:-20}
fourier=$(readlink -f "$1")
config_dir=$(readlink -f "$2")
convert=/usr/bin/convert
caption='Анализ  и синтез Фурье'

# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"
start_xserver

# The window is centred on the 1024 x 768 screen: client origin (112, 84).
ox=112; oy=84
pixel() { # pixel of the last screenshot at client coordinates, as #RRGGBB
    "$convert" "$work/shot.png" -crop "1x1+$((ox + $1))+$((oy + $2))" -depth 8 txt:- |
        sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p'
}
count_colour() { # pixels of one colour inside a client rectangle x y w h
    "$convert" "$work/shot.png" -crop "$3x$4+$((ox + $1))+$((oy + $2))" +repage -depth 8 txt:- |
        grep -c "$5" || true
}
shot() { sleep "${E2E_SETTLE:-0.3}"; import -window root "$work/shot.png"; }

start() { # start the program in folder $1, logging to $work/log
    # shellcheck disable=SC2086 # the wrapper is a command line of its own
    (cd "$1" && exec $wrapper "$fourier") >"$work/log" 2>&1 &
    app=$!
    pids+=($app)
}

# 1. With the default configuration: the window, a square wave, a partial sum.
mkdir "$work/with" && cp "$config_dir/velmora.cfg" "$work/with/"
start "$work/with"
wid=$(timeout "$wait_for" xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
[ -n "$wid" ] || fail "no window"
xdotool windowfocus --sync "$wid"
shot
[ "$(pixel 400 100)" = "#000000" ] || fail "graph area not black: $(pixel 400 100)"
[ "$(pixel 600 450)" = "#FFFFFF" ] || fail "spectrum area not white: $(pixel 600 450)"
[ "$(pixel 5 584)" != "#000000" ] || fail "no button bar"

xdotool key Down Down # the list has the focus: "1. Синус", then "2. Прямоугольник"
shot
reds=$(count_colour 0 0 798 358 '#FF0000')
[ "$reds" -gt 10000 ] || fail "square wave not drawn ($reds red pixels)"
blues=$(count_colour 480 362 318 205 '#0000FF')
greens=$(count_colour 480 362 318 205 '#008000')
[ "$greens" -gt 100 ] || fail "no green bars ($greens)"
[ "$blues" -gt 0 ] || fail "no blue pixels ($blues)"
yellows=$(count_colour 0 0 798 358 '#FFFF00')
[ "$yellows" -eq 0 ] || fail "yellow before any synthesis"

xdotool key Tab 5 End BackSpace Return # harmonic field: "0" selected, 5 typed in front of it
shot
yellows=$(count_colour 0 0 798 358 '#FFFF00')
[ "$yellows" -gt 200 ] || fail "no yellow harmonic after synthesis ($yellows)"
reds_after=$(count_colour 0 0 798 358 '#FF0000')
[ "$reds_after" != "$reds" ] || fail "partial sum looks like the square wave"
cp "$work/shot.png" "${E2E_SCREENSHOT:-/dev/null}" 2>/dev/null || true

# "Выход" ends the program with status 0.
xdotool mousemove $((ox + 320 + 24)) $((oy + 569 + 3 + 12)) click 1
for _ in $(seq $((wait_for * 20))); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app" 2>/dev/null && fail "still running after Выход"
wait "$app" || fail "exit status $?: $(tail -n 20 "$work/log")"
[ -z "${E2E_KEEP_LOG:-}" ] || cp "$work/log" "$E2E_KEEP_LOG"

# 2. Without the file: the error box comes before the window, which opens afterwards.
mkdir "$work/without"
start "$work/without"
box=$(timeout "$wait_for" xdotool search --sync --onlyvisible --name '^Фурье$' | head -n 1)
[ -n "$box" ] || fail "no error box"
xdotool search --onlyvisible --name "^$caption\$" >/dev/null && fail "window shown before the box"
grep -q "File not found." "$work/log" || fail "message not logged: $(cat "$work/log")"
xdotool windowfocus --sync "$box" key Return
timeout "$wait_for" xdotool search --sync --onlyvisible --name "^$caption\$" >/dev/null || fail "no window after the box"
kill "$app"
echo "end to end: ok"
