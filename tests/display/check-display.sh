#!/usr/bin/env bash
# The window on a real X display (Xvfb): it opens with Qt's own options, as any Qt program
# would, and a display that cannot be reached is said in one line.
set -euo pipefail
korvane=$1
sample=$2
scratch=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# The user's own settings stay untouched.
export XDG_CONFIG_HOME=$scratch/settings

# Xvfb picks a free display and writes its number once it accepts connections.
Xvfb -displayfd 3 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 300); do
    [[ -s $scratch/display ]] && break
    sleep 0.1
done
[[ -s $scratch/display ]] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")

"$korvane" -style fusion -reverse -platform xcb "$sample" 2>"$scratch/err" &
pids+=($!)
window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$(basename "$sample") — Korvane\$" | head -n 1) ||
    fail "no window named after the file appeared: $(cat "$scratch/err")"
kill -0 "${pids[1]}" || fail "the viewer ended"

# Made as large as the screen (there is no window manager to maximise it), the window is
# mostly the plot's white paper.
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
xdotool windowsize "$window" "$screen_w" "$screen_h"
xdotool windowmove "$window" 0 0
sleep 1
import -window "$window" "$scratch/big.png"
white=$(convert "$scratch/big.png" -fill black +opaque white -format '%[fx:mean]' info:)
awk -v w="$white" 'BEGIN { exit !(w > 0.6) }' || fail "the plot covers only $white of the window"
read -r shown_w _ < <(identify -format '%w %h\n' "$scratch/big.png")
((shown_w >= screen_w - 2)) || fail "the window is $shown_w wide on a $screen_w screen"

# A file that is not there is waited for in the status line: no other window comes up.
missing=$scratch/not-yet.txt
"$korvane" -platform xcb "$missing" 2>/dev/null &
pids+=($!)
timeout 60 xdotool search --sync --onlyvisible --name "^not-yet.txt — Korvane\$" >/dev/null ||
    fail "no window for the missing file"
sleep 3
windows=$(xdotool search --onlyvisible --pid "${pids[2]}" | wc -l)
[[ $windows -eq 1 ]] || fail "$windows windows for a missing file"

# A display named but not there: one line, status 1, no abort.
set +e
said=$(DISPLAY=:$(($(cat "$scratch/display") + 50)) "$korvane" "$sample" 2>&1)
status=$?
set -e
[[ $status -eq 1 ]] || fail "status $status without a reachable display"
[[ $(printf '%s\n' "$said" | wc -l) -eq 1 && $said == "korvane: the window needs a display"* ]] ||
    fail "said: $said"
echo "display checks passed"
