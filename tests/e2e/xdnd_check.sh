#!/usr/bin/env bash
# Shows that a real XDND drag from drag_source reaches a plain Qt drop target
# on this display, with no window manager: xdotool presses on the source,
# moves over the target in steps and releases; the target prints the paths.
#   xdnd_check.sh <drag_source> <drop_target>    (run under xvfb-run -a)
set -euo pipefail
source_bin=$1 target_bin=$2
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb

mkdir "$work/a folder"
echo data >"$work/file one.txt"
expected=("$work/file one.txt" "$work/a folder" "$work/missing 文件")

"$target_bin" >"$work/dropped" &
pids+=($!)
"$source_bin" "${expected[@]}" >"$work/outcome" &
pids+=($!)
target=$(xdotool search --sync --name '^zembrik drop target$' | head -n1)
source=$(xdotool search --sync --name '^zembrik drag source$' | head -n1)
xdotool windowmove --sync "$source" 0 0
xdotool windowmove --sync "$target" 400 300

# Qt's drag loop follows the pointer: give it motion in steps, then rest on the target.
xdotool mousemove --sync 100 50 mousedown 1
sleep 0.3
for step in 1 2 3 4 5 6; do
  xdotool mousemove --sync $((100 + step * 75)) $((50 + step * 55))
  sleep 0.1
done
sleep 0.3
xdotool mouseup 1

for _ in $(seq 50); do grep -qx end "$work/dropped" && break; sleep 0.1; done
printf '%s\n' "${expected[@]}" end | diff - "$work/dropped"
for _ in $(seq 20); do [ -s "$work/outcome" ] && break; sleep 0.1; done
[ "$(cat "$work/outcome")" = copy ]
echo "drop arrived over XDND"
