# Sourced by the end-to-end scripts: a scratch folder $work, background processes in
# $pids that end with the script, fail(), and start_xserver for a private X display.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The program's settings (formula history, the lab's place) go to the scratch folder.
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_CACHE_HOME="$work/home/.cache" XDG_STATE_HOME="$work/home/.local/state"

# An X server of our own, 1024 x 768 unless a size is given; it tells us its display number.
# It never resets: by default Xvfb resets when its last client leaves, and a client that
# connects meanwhile (the window manager right after a program ends) is turned away.
start_xserver() {
    # A second server must not be taken for the first, whose number is still in the file.
    rm -f "$work/display"
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq $((${wait_for:-20} * 20))); do [ -s "$work/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
    unset QT_FONT_DPI
}

# The whole screen as $work/<name>.png, kept in E2E_SHOTS (prefixed with $shot_prefix) when given.
shot() {
    sleep "${E2E_SETTLE:-0.4}"
    import -window root "$work/$1.png"
    [ -z "${E2E_SHOTS:-}" ] || cp "$work/$1.png" "$E2E_SHOTS/${shot_prefix:-}$1.png"
}
# The visible window of process $app with this title (Cyrillic titles are matched by the
# program's process and the window's name, not by xdotool's --name); empty after the wait.
window_named() {
    local w
    for _ in $(seq $((${wait_for:-20} * 10))); do
        for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return; }
        done
        sleep 0.1
    done
}
