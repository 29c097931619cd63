#!/usr/bin/env bash
# Lessons and the game end to end under Xvfb: the real program started with a lesson file, as
# a file manager starts it: the main window in the lesson's state (a synthesis drawn, the
# hidden spectrum gone), the lab on the game's tab and the task beside them; then a round of
# «Угадай сигнал», level 1, won with key presses alone and remembered in the lab's settings;
# and a damaged lesson, reported with its line while the program starts as usual.
#   run-lesson-e2e.sh <path to fourier> <folder holding velmora.cfg> <path to game_round>
# E2E_SHOTS names a folder to keep the screenshots in.
set -euo pipefail
fourier=$(readlink -f "$1")
config_dir=$(readlink -f "$2")
game_round=$(readlink -f "$3")
convert=/usr/bin/convert
wait_for=${E2E_WAIT:-20}
seed=2026

# shellcheck source=xserver.sh
. "$(dirname "$0")/xserver.sh"
start_xserver 1920x1080

shot() { # shot <name>: the whole screen, kept in E2E_SHOTS when given
    sleep "${E2E_SETTLE:-0.4}"
    import -window root "$work/$1.png"
    [ -z "${E2E_SHOTS:-}" ] || cp "$work/$1.png" "$E2E_SHOTS/lesson-$1.png"
}
# How many pixels of a part of a screenshot lie within 15 % of a colour:
# count_near <shot> <geometry> <colour>
count_near() {
    "$convert" "$work/$1.png" -crop "$2" +repage \
        -fuzz 15% -fill '#010203' -opaque "$3" \
        -fuzz 0 -fill black +opaque '#010203' -fill white -opaque '#010203' \
        -format '%[fx:round(mean*w*h)]' info:
}
# The program's visible window with this title (window titles are matched by the program's
# process, as the title is Cyrillic).
# window_named <title> [seconds to wait]
window_named() {
    local w
    for _ in $(seq $((${2:-$wait_for} * 10))); do
        for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return; }
        done
        sleep 0.1
    done
}
geometry() { # geometry <window>: WxH+X+Y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}
start() { # start <arguments…>: the program in the run folder; $app is its process
    (cd "$work/run" && exec "$fourier" "$@") >"$work/log" 2>&1 &
    app=$!
    pids+=($app)
}

mkdir "$work/run" && cp "$config_dir/velmora.cfg" "$work/run/"
cat >"$work/run/урок.fourier" <<'LESSON'
fourier lesson 1
title Угадай синус
task Сыграйте раунд первого уровня.\nПотом соберите прямоугольник до пятой гармоники.
waveform 2
sliders 8 8 8
harmonic 5
sum yes
last sin
redraw no
synthesis yes
lab open
tab GamePane
shown main
muted
soloed
hidden Image2
end
LESSON

start --seed "$seed" урок.fourier
main=$(window_named 'Анализ  и синтез Фурье')
[ -n "$main" ] || fail "no main window: $(cat "$work/log")"
task=$(window_named 'Задание')
[ -n "$task" ] || fail "the lesson's task is not shown"
lab=$(window_named 'Лаборатория')
[ -n "$lab" ] || fail "the lesson's lab is not open"
[ -z "$(window_named 'Фурье' 1)" ] || fail "an error box: $(cat "$work/log")"
shot opened

# The main window: the square wave's synthesis in red over the graph, and where the spectrum
# was only the white of its panel (no blue or green bar).
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X my=$Y
graph="798x358+$((mx + 1))+$((my + 1))"
spectrum="318x205+$((mx + 480))+$((my + 362))"
[ "$(count_near opened "$graph" 'rgb(255,0,0)')" -gt 20000 ] || fail "no synthesis in the graph"
for colour in 'rgb(0,0,255)' 'rgb(0,128,0)'; do
    [ "$(count_near opened "$spectrum" "$colour")" -lt 5 ] || fail "the hidden spectrum shows $colour"
done
[ "$(count_near opened "$spectrum" white)" -gt 60000 ] || fail "the spectrum's place is not blank"
# The task window holds its text: dark letters on the light window.
[ "$(count_near opened "$(geometry "$task")" black)" -gt 300 ] || fail "the task window is empty"

# The game: level 1's first round for this seed, played as a student who reads the target
# off the plot: Alt+З goes to the seed, Tab to the bars, Home to a₁, Right to the told
# harmonic's bar, PageUp/PageDown by 0.1, Enter checks.
xdotool windowfocus --sync "$lab"
xdotool key alt+Cyrillic_ze Tab Home
while read -r k part value; do
    moves=$((2 * (k - 1) + part))
    [ "$moves" -eq 0 ] || xdotool key --repeat "$moves" Right
    tenths=$(awk -v v="$value" 'BEGIN { printf "%d", (v < 0 ? -1 : 1) * int((v < 0 ? -v : v) * 10 + 0.5) }')
    if [ "$tenths" -gt 0 ]; then xdotool key --repeat "$tenths" Prior; fi
    if [ "$tenths" -lt 0 ]; then xdotool key --repeat $((-tenths)) Next; fi
done < <("$game_round" "$seed" 1 1)
xdotool key Return
shot won
changed=$("$convert" "$work/opened.png" "$work/won.png" -crop "$(geometry "$lab")" +repage \
    -compose difference -composite -threshold 0 -format '%[fx:round(mean*w*h)]' info:)
[ "$changed" -gt 2000 ] || fail "the game's plot and bars did not change ($changed pixels)"

# Ctrl+Q in the main window ends the program, which keeps the level's progress.
xdotool windowfocus --sync "$main"
xdotool key ctrl+q
timeout 10 tail --pid="$app" -f /dev/null || fail "Ctrl+Q did not end the program"
settings="$XDG_CONFIG_HOME/fourier/lab.conf"
grep -qx 'level1\\won=1' "$settings" || fail "the won round is not remembered: $(cat "$settings")"
grep -qx 'level1\\bestTries=1' "$settings" || fail "the round took more than one check"

# A damaged lesson: a message naming its line, on standard error as in the box, and the
# main window as after a plain start.
sed 's/^harmonic 5$/harmonic 50/' "$work/run/урок.fourier" >"$work/run/испорчен.fourier"
start испорчен.fourier
main=$(window_named 'Анализ  и синтез Фурье')
[ -n "$main" ] || fail "no main window after a damaged lesson"
box=$(window_named 'Фурье')
[ -n "$box" ] || fail "no error box for a damaged lesson"
grep -q 'испорчен.fourier.*Строка 6' "$work/log" || fail "the message names no line: $(cat "$work/log")"
[ -z "$(window_named 'Задание' 1)" ] || fail "a task from a damaged lesson"
echo "lesson end to end: ok"
