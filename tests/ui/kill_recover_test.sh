#!/usr/bin/env bash
# Kills the real program at random moments of a drawing session and starts it
# again: each start accepts the recovery question, the recovered drawing is
# exactly the journal's complete records, and at most the action under way
# when the program was killed is missing. Then: a drawing taken back and at
# once replaced by the file named on the command line (not UTF-8) is kept,
# and two windows' drawings are offered in turn. Runs on a virtual display.
# usage: kill_recover_test.sh MIREL [ROUNDS]
set -euo pipefail
script_args=("$@")
source "$(dirname "$0")/on_display.sh"
mirel=$1
rounds=${2:-4}
# What the program said, when it said anything, tells why a wait failed.
on_give_up() { echo "$1"; cat "$scratch"/out*.txt 2>/dev/null; exit 1; }

records() { grep -c '^begin ActionData' "$1" || true; }
# The complete records: everything up to the last record's end.
complete() { perl -0777 -ne 'print $1 if /\A(.*end ActionData\r\n|MIREL FILE FORMAT 1\.3\r\n)/s' "$1"; }

drawn=0  # figures drawn
RANDOM=$$
for round in $(seq "$rounds"); do
  "$mirel" >"$scratch/out.txt" 2>&1 &
  pid=$!
  # A journal with more than its header is offered back.
  if [ "${offered:-0}" -eq 1 ]; then
    dialog=$(xdotool search --sync --name 'かくにん' | head -n 1)
    xdotool windowfocus --sync "$dialog" key Return
  fi
  # This window's journal, once the killed window's is gone.
  wait_for '[ "$(ls "$journals"/journal-*.mrl 2>/dev/null | wc -l)" -eq 1 ] && [ "$(journal)" != "${killed:-}" ]'
  wait_for 'xdotool search --name "^Mirel Ver" >/dev/null'
  now=$(journal)
  if [ "${expected:-0}" -gt 0 ]; then
    # The recovered drawing is the killed journal's complete records.
    wait_for '[ "$(records "$now")" -ge "$expected" ]'
    cmp <(complete "$scratch/killed.mrl") "$now" || { echo "round $round: recovered drawing differs"; exit 1; }
  fi

  # The text tool (no window manager: the window lies at (0, 0); the buttons
  # are below the menu bar whatever its height). Real input goes through the
  # event loop: each step waits a moment for the window to take it.
  step() { xdotool "$@"; sleep 0.2; }
  sleep 1
  step mousemove 746 55
  step click 1
  for i in $(seq $((RANDOM % 4 + 1))); do
    step mousemove $((40 + RANDOM % 400)) $((100 + RANDOM % 250))
    step click 1
    step type "hana$i"
    step key Return
    drawn=$((drawn + 1))
  done
  # Figures dragged out with the rectangle, ellipse and free-line tools.
  for tool in "746 166" "682 166" "746 110"; do
    step mousemove $tool
    step click 1
    x=$((40 + RANDOM % 400)) y=$((100 + RANDOM % 250))
    step mousemove $x $y
    step mousedown 1
    step mousemove $((x + 30)) $((y + 20))
    step mousemove $((x + 80)) $((y + 50))
    step mouseup 1
    drawn=$((drawn + 1))
  done
  step mousemove 746 55  # the text tool again, for a text under way
  step click 1
  # Killed in the middle of the next text, or just after the last.
  if [ $((RANDOM % 2)) -eq 0 ]; then
    step mousemove 500 300
    step click 1
    step type tori
  fi
  # Whatever reached the program before the kill may or may not be journaled:
  # let the events arrive, then kill at a random moment.
  sleep "0.$((RANDOM % 5))"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
  killed=$(journal)
  cp "$killed" "$scratch/killed.mrl"
  expected=$(records "$scratch/killed.mrl")
  offered=0
  [ "$(stat -c %s "$scratch/killed.mrl")" -gt 23 ] && offered=1
  # At most the action under way is missing.
  if [ "$expected" -lt $((drawn - 1)) ]; then
    echo "round $round: $drawn figures drawn, only $expected journaled"; exit 1
  fi
  drawn=$expected
  echo "round $round: $expected records journaled"
done
# Answers the modal question whose first line is `first` with `key`.
answer() {
  local first=$1 key=$2 dialog=
  wait_for 'dialog=$(xdotool search --name "^かくにん$" | head -n 1); [ -n "$dialog" ]'
  sleep 0.5
  [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/question-$first.png"
  xdotool windowfocus --sync "$dialog" key "$key"
  wait_for '! xdotool getwindowname "$dialog" >/dev/null 2>&1'
}
kill_window() { kill -9 "$1"; wait "$1" 2>/dev/null || true; }

# The last round's drawing is taken back and replaced by a file whose name is
# not UTF-8: it stays as a recovered file, and the file opens by its bytes.
other="$scratch/$(printf '\x82\xa6').mrl"
complete "$scratch/killed.mrl" >"$other"
"$mirel" "$other" >"$scratch/out.txt" 2>&1 &
pid=$!
answer recover Return
answer read Return
wait_for 'ls "$journals"/recovered-*.mrl >/dev/null 2>&1'
cmp <(complete "$scratch/killed.mrl") "$journals"/recovered-*.mrl || { echo "the replaced drawing was not kept"; exit 1; }
wait_for '[ -f "${journals}/$(basename "$(journal)" .mrl).name" ]'
cmp <(printf '%s' "$other") "$journals/$(basename "$(journal)" .mrl).name" || { echo "the file was not opened by its bytes"; exit 1; }
kill_window "$pid"
pid=
rm -f "$journals"/*

# Two windows, each with a drawing, both killed: the next start offers the
# newer one first, then the other; いいえ keeps it aside, はい takes it back.
draw_rectangle() {
  step mousemove 746 166
  step click 1
  step mousemove "$1" 200
  step mousedown 1
  step mousemove $(($1 + 40)) 240
  step mouseup 1
}
"$mirel" >"$scratch/out.txt" 2>&1 &
first=$!
wait_for 'xdotool search --onlyvisible --name "^Mirel Ver" >/dev/null'
sleep 1
draw_rectangle 100
wait_for '[ "$(records "$(journal)")" -eq 1 ]'
firstjournal=$(journal)
"$mirel" >"$scratch/out2.txt" 2>&1 &
second=$!
wait_for '[ "$(ls "$journals"/journal-*.mrl | wc -l)" -eq 2 ]'
sleep 1
draw_rectangle 200  # the newer window lies on top
draw_rectangle 300
secondjournal=$(ls "$journals"/journal-*.mrl | grep -v "$firstjournal")
wait_for '[ "$(records "$secondjournal")" -eq 2 ]'
kill_window "$first"
kill_window "$second"
touch -d '1 minute ago' "$firstjournal"
"$mirel" >"$scratch/out.txt" 2>&1 &
pid=$!
answer newer Escape
answer older Return
wait_for '[ "$(ls "$journals"/journal-*.mrl | wc -l)" -eq 1 ]'
wait_for '[ "$(records "$(journal)")" -eq 1 ]'
kept=$(ls "$journals"/recovered-*.mrl)
[ "$(records "$kept")" -eq 2 ] || { echo "the newer drawing was not set aside"; exit 1; }
echo "kill and recover OK"
