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

# 0. No display: one line on standard error that says what is missing, status 1.
free_display=1000
while [ -e "/tmp/.X11-unix/X$free_display" ]; do free_display=$((free_display + 1)); done
for display in "" ":$free_display"; do
    status=0
    (cd "$work" && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$fourier") \
        >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] || fail "no display '$display': status $status: $(cat "$work/err")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "no display '$display': not one line: $(cat "$work/err")"
    grep -q "DISPLAY" "$work/err" || fail "no display '$display': says nothing of DISPLAY: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "no display '$display': wrote on standard output"
done

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

# The tick number "32" at the spectrum's right edge is whole: glyph by glyph it is the
# same as "32" written by ImageMagick in the window's face and size, without smoothing.
glyphs() { # black pixels of ImageMagick text output, one glyph a line: columns counted from
    # the glyph's first, rows from the text's top ink row
    awk -F'[,: ]+' '/#000000/ { ink[$1] = ink[$1] " " $2; if (top == "" || $2 < top) top = $2 }
        END {
            for (x = 0; x <= 1000; ++x) {
                if (!(x in ink)) { if (glyph != "") print glyph; glyph = ""; continue }
                if (glyph == "") first = x
                n = split(ink[x], rows, " "); column = ""
                for (r = 1; r <= n; ++r) column = column " " rows[r] - top
                glyph = glyph (x - first) ":" column ";"
            }
            if (glyph != "") print glyph
        }'
}
face=$(fc-match -f '%{file}' 'PT Sans')
"$convert" -size 40x20 xc:white -font "$face" -pointsize 11 -density 72 +antialias -fill black \
    -annotate +5+15 32 -depth 8 txt:- | glyphs >"$work/glyphs.expected"
"$convert" "$work/shot.png" -crop "38x19+$((ox + 760))+$((oy + 548))" +repage -depth 8 txt:- |
    glyphs >"$work/glyphs.seen" # the spectrum right of "24", below its baseline
[ "$(wc -l <"$work/glyphs.expected")" -eq 2 ] || fail "reference 32 not written: $(cat "$work/glyphs.expected")"
cmp -s "$work/glyphs.seen" "$work/glyphs.expected" ||
    fail "the 32 under the spectrum is not whole: $(cat "$work/glyphs.seen") instead of $(cat "$work/glyphs.expected")"

xdotool key Tab 5 Return # harmonic field: the selected "0" gives way to the 5
shot
yellows=$(count_colour 0 0 798 358 '#FFFF00')
[ "$yellows" -gt 200 ] || fail "no yellow harmonic after synthesis ($yellows)"
reds_after=$(count_colour 0 0 798 358 '#FF0000')
[ "$reds_after" != "$reds" ] || fail "partial sum looks like the square wave"
cp "$work/shot.png" "${E2E_SCREENSHOT:-/dev/null}" 2>/dev/null || true

# Harmonic 32 typed as 3 and 2 with "Перерисовывать" on, on the delta moved off the axis
# (every harmonic then has a sine part): the yellow line is sin 32x, 63 sign changes.
xdotool key shift+Tab 5 Tab Right Return # "5. Дельта-функция", one step right, analysed
xdotool mousemove $((ox + 16)) $((oy + 585)) click 1 # "Перерисовывать"
xdotool mousemove $((ox + 325)) $((oy + 405)) click 1 # into the harmonic field
xdotool key 3 2
shot
"$convert" "$work/shot.png" -crop "798x358+$((ox + 1))+$((oy + 1))" +repage -depth 8 txt:- |
    awk -F'[,: ]+' '
        /#808080/ { grey[$2]++ }
        /#FFFF00/ { sum[$1] += $2; n[$1]++ }
        END {
            for (y in grey) if (grey[y] > grey[axis]) axis = y
            for (x = 0; x < 798; ++x) {
                if (!(x in n)) continue
                offset = sum[x] / n[x] - axis
                if (offset > top) top = offset
                if (offset < bottom) bottom = offset
                side = offset > 0.5 ? 1 : offset < -0.5 ? -1 : 0
                if (side != 0 && last != 0 && side != last) ++changes
                if (side != 0) last = side
            }
            print changes + 0, top, -bottom
        }' >"$work/harmonic"
read -r changes below above <"$work/harmonic"
if [ "$changes" -lt 62 ] || [ "$changes" -gt 64 ]; then
    fail "typed 32, but the yellow line changes sign $changes times"
fi
if [ "${below%.*}" -lt 4 ] || [ "${above%.*}" -lt 4 ]; then
    fail "the yellow line is flat: $(cat "$work/harmonic")"
fi

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
wait "$app" 2>/dev/null || true

# 3. Under a window manager: the window gets its frame and keeps its 800 x 600 client area;
# the frame's close button and Alt+F4, each a WM_DELETE_WINDOW from the manager, end the
# program with status 0.
HOME="$work" XDG_CONFIG_HOME="$work" XDG_CACHE_HOME="$work" \
    openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq $((wait_for * 20))); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
    fail "the window manager did not start: $(cat "$work/openbox.log")"
for closing in "close button" "Alt+F4"; do
    start "$work/with"
    wid=$(timeout "$wait_for" xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1)
    [ -n "$wid" ] || fail "$closing: no window under the window manager"
    extents=""
    for _ in $(seq $((wait_for * 20))); do
        extents=$(xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
        [ -n "$extents" ] && break
        sleep 0.05
    done
    IFS=', ' read -r _ right top _ <<<"$extents" # left, right, top, bottom
    [ "${top:-0}" -gt 0 ] || fail "$closing: no frame (extents '$extents')"
    geometry=$(xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
    read -r x y width height <<<"$geometry"
    [ "${width}x$height" = 800x600 ] || fail "$closing: client area ${width}x$height under the window manager"
    if [ "$closing" = "close button" ]; then # the last button at the right end of the title bar
        xdotool mousemove $((x + width + right - 11)) $((y - top / 2)) click 1
    else
        xdotool windowactivate --sync "$wid" key alt+F4
    fi
    for _ in $(seq $((wait_for * 20))); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$app" 2>/dev/null && fail "$closing: still running"
    wait "$app" || fail "$closing: exit status $?: $(tail -n 20 "$work/log")"
done
echo "end to end: ok"
