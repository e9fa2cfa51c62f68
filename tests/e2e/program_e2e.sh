#!/usr/bin/env bash
# The installed program, used as a person would on an X display with no window
# manager: real drags from another client, keys and clicks through xdotool, the
# listing read back through the clipboard.
#   program_e2e.sh <cmake> <build dir> <drag_source> <shots dir>   (under xvfb-run -a)
# Screenshots of the main window with rows and of the About box go to <shots dir>.
set -eEuo pipefail
cmake=$1 build=$2 drag_source=$3 shots=$4

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  local log
  for log in "$work"/*.log; do [ -s "$log" ] && { echo "--- ${log##*/}" >&2; cat "$log" >&2; }; done
  exit 1
}
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR
# Polls a command until it succeeds, for at most the given seconds.
wait_until() {
  local seconds=$1 deadline
  shift
  deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}
x() { timeout 10 xdotool "$@"; }
not() { ! "$@"; }
alive() { kill -0 "$1" 2>/dev/null; }
# The one mapped window of a process, or nothing.
visible_window() { x search --onlyvisible --pid "$1" 2>/dev/null | head -n1; }
has_window() { [ -n "$(visible_window "$1")" ]; }
has_window_named() {  # pid, exact name
  local w
  for w in $(x search --onlyvisible --pid "$1" 2>/dev/null); do
    window_named "$w" "$2" && return 0
  done
  return 1
}
window_named() { [ "$(x getwindowname "$1" 2>/dev/null)" = "$2" ]; }

# A person's drop: press on the source, move over the target in steps (the drag
# loop follows motion), rest, release.
drag_to() {
  local x0=100 y0=50 x1=$1 y1=$2 step
  x mousemove "$x0" "$y0" mousedown 1
  sleep 0.3
  for step in 1 2 3 4 5 6; do
    x mousemove $((x0 + (x1 - x0) * step / 6)) $((y0 + (y1 - y0) * step / 6))
    sleep 0.1
  done
  sleep 0.5  # time for the target's XDND status to reach the source
  x mouseup 1
}
drops_accepted() { [ "$(grep -cx copy "$work/drag_outcome")" -eq "$1" ]; }
clipboard() { timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | sed 's/\r$//'; }
copy_listing() {  # window: click into its listing, select all, copy
  local wx wy
  eval "$(x getwindowgeometry --shell "$1" | grep -E '^[XY]=')"
  wx=$X wy=$Y
  x windowfocus --sync "$1"
  x mousemove $((wx + 260)) $((wy + 140)) click 1
  x key ctrl+a ctrl+c
  sleep 0.3
}
expect_listing() {  # window, expected text, what
  copy_listing "$1"
  if ! diff <(printf '%s' "$2") <(clipboard) >"$work/diff"; then
    cat "$work/diff" >&2
    fail "$3"
  fi
}
# A start that is refused: a box appears with the given caption (its text and
# button are for the eye, in the screenshot); Enter ends that process.
expect_refusal() {  # pid of the refused start, caption[, screenshot]
  local box
  wait_until 20 has_window "$1" || fail "no refusal box from $2"
  box=$(visible_window "$1")
  window_named "$box" "$2" || fail "refusal box caption '$(x getwindowname "$box")', expected '$2'"
  if [ -n "${3:-}" ]; then
    sleep 0.3
    import -window root "$3"
  fi
  x windowfocus --sync "$box"
  x key Return
  wait_until 10 not alive "$1" || fail "Enter did not end the refused start of $2"
}
no_sanitizer_report() {
  ! grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work"/*.log >&2
}

# The program, installed as a user would install it; a private runtime folder
# keeps its instance counter away from any other copy on this machine.
"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
program=$work/prefix/bin/ZembrikMD5
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
mkdir -m 0700 "$XDG_RUNTIME_DIR"

mkdir -p "$work/files/一个 folder"
printf 'zembrik end to end\n' >"$work/files/数据 file.txt"
paths=("$work/files/数据 file.txt" "$work/files/一个 folder" "$work/files/missing 文件.txt")
digest=$(md5sum "${paths[0]}" | cut -d' ' -f1 | tr a-f A-F)
rule=$(printf '─%.0s' $(seq 45))
header=$(printf '序号\tMD5\t\t\t\t\t文件\n%s\n' "$rule")
rows() {  # first row number
  printf '%d\t%s\t%s\n' "$1" "$digest" "${paths[0]}"
  printf '%d\t文件夹\t\t\t\t\t%s\n' $(($1 + 1)) "${paths[1]}"
  printf '%d\t读取文件错误\t\t\t\t%s\n' $(($1 + 2)) "${paths[2]}"
}

# Start: the main window appears with its title.
"$program" >"$work/main.log" 2>&1 &
main_pid=$!
pids+=("$main_pid")
wait_until 30 has_window "$main_pid" || fail "no main window"
main=$(visible_window "$main_pid")
window_named "$main" KestovaMD5生成器 || fail "main window title '$(x getwindowname "$main")'"
eval "$(x getwindowgeometry --shell "$main" | grep -E '^[XY]=')"
mx=$X my=$Y

# Two drops of the three items: onto the buttons row (the Browse button), then
# onto the listing. Each drop is accepted as a copy.
"$drag_source" "${paths[@]}" >"$work/drag_outcome" 2>"$work/drag_source.log" &
pids+=($!)
wait_until 20 x search --onlyvisible --name '^zembrik drag source$' >/dev/null || fail "no drag source"
drag_to $((mx + 325)) $((my + 294))
wait_until 10 grep -qx copy "$work/drag_outcome" || fail "first drop not accepted: $(cat "$work/drag_outcome")"
drag_to $((mx + 260)) $((my + 140))
wait_until 10 drops_accepted 2 || fail "second drop not accepted"
sleep 0.3
import -window root "$shots/e2e_main.png"
expect_listing "$main" "$header"$'\n'"$(rows 1)"$'\n'"$(rows 4)"$'\n' "rows after two drops"

# The window menu's About item: Alt+Space, then its access key.
x key alt+space
sleep 0.3
x key a
wait_until 10 has_window_named "$main_pid" 关于DU5zido || fail "no About box"
sleep 0.3
import -window root "$shots/e2e_about.png"
x key Escape
wait_until 10 not has_window_named "$main_pid" 关于DU5zido ||
  fail "Esc did not close the About box"
expect_listing "$main" "$header"$'\n'"$(rows 1)"$'\n'"$(rows 4)"$'\n' "rows after the About box"

# Enter, with the focus in the listing, presses Clear.
x key Return
expect_listing "$main" "$header"$'\n' "listing after Enter"

# A second start is refused; the first goes on.
"$program" >"$work/second.log" 2>&1 &
pids+=($!)
expect_refusal $! ZembrikMD5 "$shots/e2e_refusal.png"
alive "$main_pid" && window_named "$main" KestovaMD5生成器 || fail "the first instance did not survive a refused start"

# A renamed copy at another path has a counter of its own, so it runs beside;
# arguments change nothing (no row from a path given on the command line, and
# Qt's own options such as -platform are not read either: the window still
# appears on this display), and
# its own second start is refused under its new name.
mkdir "$work/elsewhere"
cp "$program" "$work/elsewhere/Md5Renamed"
"$work/elsewhere/Md5Renamed" "${paths[0]}" --help -platform offscreen -reverse >"$work/copy.log" 2>&1 &
copy_pid=$!
pids+=("$copy_pid")
wait_until 30 has_window "$copy_pid" || fail "the renamed copy did not start beside the first"
copy=$(visible_window "$copy_pid")
window_named "$copy" KestovaMD5生成器 || fail "renamed copy's window title"
expect_listing "$copy" "$header"$'\n' "renamed copy started with arguments"
"$work/elsewhere/Md5Renamed" -x "${paths[0]}" >"$work/copy_second.log" 2>&1 &
pids+=($!)
expect_refusal $! Md5Renamed
x windowfocus --sync "$copy"
x key Escape
wait_until 10 not alive "$copy_pid" || fail "Esc did not end the renamed copy"

# Exit ends the program.
alive "$main_pid" || fail "the first instance ended early"
x mousemove $((mx + 487)) $((my + 294)) click 1
wait_until 10 not alive "$main_pid" || fail "Exit did not end the program"
status=0
wait "$main_pid" || status=$?
((status < 128)) || fail "the program ended by signal $((status - 128))"
no_sanitizer_report || fail "sanitizer report"
echo "end to end: drops, copy, About, Clear, refused starts, renamed copy, Exit"
