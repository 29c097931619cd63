#!/usr/bin/env bash
# The language under Xvfb with real key presses: a fresh start is Russian; F8 and the arrow
# keys choose English, and both windows change at once, the pictures' numbers staying; the
# next start is English (remembered); --language ru is Russian for one run and is not
# remembered; an unknown language ends with status 2 and a one-line message.
#   run-language-e2e.sh <path to fourier> <folder holding the default velmora.cfg>
# E2E_SHOTS names a folder to keep the screenshots in.
set -euo pipefail
fourier=$(readlink -f "$1")
config_dir=$(readlink -f "$2")
wait_for=${E2E_WAIT:-20}
shot_prefix=language-

# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"
start_xserver 1920x1080 # room for the lab beside the main window

russian='Анализ  и синтез Фурье' english='Fourier analysis and synthesis'
mkdir "$work/run" && cp "$config_dir/velmora.cfg" "$work/run/"
start() { # start [option…]: the program, its main window focused
    (cd "$work/run" && exec "$fourier" "$@") >"$work/log" 2>&1 &
    app=$!
    pids+=($app)
}
stop() {
    kill "$app" && wait "$app" 2>/dev/null || true
}
focus_main() { # focus_main <title>
    main=$(window_named "$1")
    [ -n "$main" ] || fail "no main window titled «$1»: $(cat "$work/log")"
    xdotool windowfocus --sync "$main"
}
keys() { xdotool key --delay 60 "$@"; }
# The graph's pixels in shot $1: the main window's top panel, the same whatever the language.
graph_of() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    convert "$work/$1.png" -crop "629x231+$((X + 1))+$((Y + 1))" +repage "$work/$1-graph.png"
}

start
focus_main "$russian"
keys Down Down Tab 5 Return # the square wave, synthesised to 5
keys F2
lab=$(window_named 'Лаборатория')
[ -n "$lab" ] || fail "F2 opened no lab: $(cat "$work/log")"
xdotool windowfocus --sync "$main"
shot russian && graph_of russian

keys F8 Down Down Return # «Язык / Language» over the graph: English
focus_main "$english"
shot english && graph_of english
[ -n "$(window_named 'Lab')" ] || fail "the lab's title did not follow"
cmp -s "$work/russian-graph.png" "$work/english-graph.png" ||
    [ "$(compare -metric AE "$work/russian-graph.png" "$work/english-graph.png" null: 2>&1)" = 0 ] ||
    fail "the graph changed with the language"
stop

start # remembered
focus_main "$english"
stop
start --language ru # this run only
focus_main "$russian"
stop
start
focus_main "$english"
stop

status=0
"$fourier" --language de >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "--language de ended with $status"
# In the language last chosen, English here.
[ "$(grep -c '^fourier: --language: “de” is unknown' "$work/err")" = 1 ] || fail "message: $(cat "$work/err")"
echo "language end to end: passed"
