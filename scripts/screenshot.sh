#!/usr/bin/env bash
# Takes docs/screenshot.png: the main window on a virtual display with a puzzle set and a few cells
# revealed. Needs the default build (make run or cmake --build --preset default), and Debian's
# xvfb, xauth, xdotool and imagemagick.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$root/build/default/app/orvandel"
output="${1:-$root/docs/screenshot.png}"

if [[ -z "${ORVANDEL_SCREENSHOT_DISPLAY:-}" ]]; then
    ORVANDEL_SCREENSHOT_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$output"
fi

work="$(mktemp -d)"
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Settings of its own: no help window at start, saved games in the temporary folder.
mkdir -p "$work/config/VantrelInc"
printf '[orvandel]\nHELP\\FIRST%%20TIME=0\nDEBUG\\APP_PATH=%s/\n' "$work" > "$work/config/VantrelInc/Orvandel.conf"
export XDG_CONFIG_HOME="$work/config"
echo '53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79' > "$work/puzzle.txt"

"$program" "$work/puzzle.txt" &
pid=$!
window="$(xdotool search --sync --onlyvisible --name '^Vantrel Orvandel$' | head -n 1)"
sleep 4  # the splash screen goes after three seconds

# Positions inside the window: the grid's cells are 40 pixels square behind a 10 + 2 pixel margin;
# the command buttons are centred 425 pixels from the left, 28 pixels apart.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
cell() { click $((12 + 40 * ($1 - 1) + 20)) $((12 + 40 * ($2 - 1) + 20)); }
button() { click 425 $((21 + 28 * $1)); }  # 0 Options, 1 Set Su Doku, 2 Solve, 3 Solve Cell

button 1
for revealed in "3 1" "4 1" "2 2" "1 3" "2 4" "5 5" "7 7" "4 9" "8 4"; do
    cell $revealed
    button 3
done
cell 6 5
import -window "$window" "$output"
echo "wrote $output"
