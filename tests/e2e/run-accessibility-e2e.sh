#!/usr/bin/env bash
# Both windows as assistive technology sees them: the real program on a private X server and
# a private accessibility bus, walked over AT-SPI by accessibility.py (Debian's python3 with
# pyatspi). The main window's controls by name and role; a synthesis of the square wave to
# k = 5 and what the graph, the spectrum (also as a table) and the status say; the lab opened
# with F2 and its convergence view; both windows in English and back; a slider moved through
# its Value interface and the graph saying something new.
#   run-accessibility-e2e.sh <path to fourier> <folder holding the default velmora.cfg>
set -euo pipefail
# A session bus of our own, so that no desktop's screen reader hears the test.
if [ -z "${FOURIER_A11Y_BUS:-}" ]; then
    exec dbus-run-session -- env FOURIER_A11Y_BUS=1 "$0" "$@"
fi
fourier=$(readlink -f "$1")
config_dir=$(readlink -f "$2")
here=$(dirname "$(readlink -f "$0")")
wait_for=${E2E_WAIT:-20}
python=/usr/bin/python3 # Debian's, the one that sees pyatspi
walker="$here/accessibility.py"

# shellcheck source=xserver.sh
. "$here/xserver.sh"
start_xserver

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
for _ in $(seq 100); do
    "$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null && break
    sleep 0.1
done

mkdir "$work/run" && cp "$config_dir/velmora.cfg" "$work/run/"
# The bridge is on without a screen reader running; Russian numbers (decimal comma).
(cd "$work/run" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=ru_RU.UTF-8 exec "$fourier") \
    >"$work/log" 2>&1 &
app=$!
pids+=($app)
# By class: a title in the Russian locale is not the plain UTF-8 that --name matches.
wid=$(timeout "$wait_for" xdotool search --sync --onlyvisible --class fourier | head -n 1)
[ -n "$wid" ] || fail "no window"
xdotool windowfocus --sync "$wid"

"$python" "$walker" main || fail "the main window's controls"

# The square wave synthesised to k = 5: the RMS error of S_5 is
# sqrt(1 - (8/pi^2)(1 + 1/9 + 1/25)) = 0,259.
error=$("$python" -c 'import math; print(f"{math.sqrt(1 - 8 / math.pi ** 2 * (1 + 1 / 9 + 1 / 25)):.3f}".replace(".", ","))')
xdotool key Down Down    # "2. Прямоугольник"
xdotool key Tab 5 Return # a synthesis up to harmonic 5
"$python" "$walker" synthesised "$error" || fail "the synthesis as spoken"

xdotool key F2
"$python" "$walker" lab "$error" || fail "the lab as spoken"

# English from the language menu (F8 over the graph), every name and description of both
# windows heard again; then Russian back the same way.
xdotool windowfocus --sync "$wid"
xdotool key F8 Down Down Return
"$python" "$walker" english "$error" || fail "both windows in English"
xdotool key F8 Down Return
"$python" "$walker" synthesised "$error" || fail "the synthesis as spoken, back in Russian"

# The last waveform, the pulse, whose width is the first slider; the graph redraws on every
# step once «Перерисовывать» is on (the walker switches it on).
xdotool windowfocus --sync "$wid"
xdotool key shift+Tab End
"$python" "$walker" slider || fail "the slider moved through its value"
echo "accessibility end to end: passed"
