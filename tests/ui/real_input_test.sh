#!/usr/bin/env bash
# The real program under real X input (Xvfb, xdotool): a double click ends a
# polyline or polygon with every press and release counted, and every control
# is worked from the keyboard (Tab, Space, Return, the track bars' keys, the
# menus by Alt) while typing in the text box stays in the text box. What
# happened is read back from the window's journal of records.
# usage: real_input_test.sh MIREL MIREL_BATCH
set -euo pipefail
script_args=("$@")
source "$(dirname "$0")/on_display.sh" jq
mirel=$1 batch=$2
fail() { echo "FAIL: $*"; shot failed; exit 1; }
on_give_up() { fail "$1"; }
records() { grep -c '^begin ActionData' "$(journal)" || true; }
# The newest record as the log tells it ("Create Rectangle (ID = 3)").
last_action() { "$batch" log "$(journal)" | grep -v '^at \|^$\|^Parameter' | tail -n 1; }
# Waits for the next record and checks its log line.
expect_record() {
  local want=$1
  wait_for '[ "$(records)" -gt "$seen" ]'
  seen=$(records)
  [[ "$(last_action)" == $want ]] || fail "expected '$want', the journal says '$(last_action)'"
  echo "$(last_action)"
}
step() { xdotool "$@"; sleep 0.25; }
keys() { for k in "$@"; do step key "$k"; done; }
times() { local n=$1 k=$2; for _ in $(seq "$n"); do xdotool key "$k"; sleep 0.05; done; sleep 0.25; }
shot() { [ -n "${SHOTS:-}" ] && import -window root -crop 820x600+0+0 +repage "$SHOTS/$1.png" || true; }

# No window manager: the window lies at (0, 0); the client area starts below
# the menu bar. Canvas points and control centres in client coordinates;
# the tools: selection (682, 36), text (746, 36), line (682, 92), free line
# (746, 92), ellipse (682, 148), rectangle (746, 148), polyline (682, 204),
# polygon (746, 204).
menu_bar=18
at() { step mousemove $((4 + $1)) $((4 + $2 + menu_bar)); }  # a canvas point
control() { step mousemove "$1" $(($2 + menu_bar)); step click 1; }
drag() { at "$1" "$2"; step mousedown 1; at $((($1 + $3) / 2)) $((($2 + $4) / 2)); at "$3" "$4"; step mouseup 1; }

"$mirel" >"$scratch/out.txt" 2>&1 &
pid=$!
wait_for 'xdotool search --name "^Mirel Ver" >/dev/null'
wait_for '[ -n "$(journal)" ]'
sleep 1
seen=0

# A double click at a new point ends a polyline, and a polygon, with that
# point three times: the click's two, the second press's one.
last_points() { "$batch" dump "$(journal)" | jq -c '.Figures[-1].Points'; }
for tool in "682 204 Polyline" "746 204 Polygon"; do
  set -- $tool
  control "$1" "$2"
  drag 100 100 200 120
  at 260 200
  step click --repeat 2 --delay 120 1
  expect_record "Create $3 (ID = *)"
  [ "$(last_points)" = "[[100,100],[200,120],[260,200],[260,200],[260,200]]" ] ||
    fail "$3 ended by a double click has the points $(last_points)"
done

# The tools are one Tab stop (the one last used), walked with the arrows as
# radio buttons are; Space and Return choose.
keys Tab Down Down Right space  # selection, line, ellipse, rectangle
drag 300 300 380 360
expect_record "Create Rectangle (ID = 3)"
keys Tab Up Return  # the free line above it
shot tools-by-keyboard
drag 400 300 460 350
expect_record "Create Free line (ID = 4)"
# A click on a tool leaves the keyboard where it was; a click on the canvas
# takes it, so Space then presses no button (it would choose the free line).
keys Tab  # the free line tool has the keyboard
control 682 148  # the ellipse tool, by mouse
drag 100 300 160 350
keys space
drag 170 300 230 350
expect_record "Create Ellipse (ID = 6)"
[ "$("$batch" log "$(journal)" | grep -c '^Create Ellipse')" = 2 ] || fail "Space pressed a tool button"

# Typing in the text box goes to the text box only, Space included.
keys Tab Up Return  # from the free line to the text tool
at 300 40
step click 1
step type "a b c"
keys Return space
expect_record "Create Text box (ID = 7)"
[ "$("$batch" dump "$(journal)" | jq -r '.Figures[-1].Text')" = "a b c" ] || fail "the text typed is not the text made"

# Editing by keyboard: the mode buttons (one Tab stop, back from the canvas),
# then the editing panel's buttons, the palette and the size bar.
keys shift+Tab Left Return  # from みる to なおす
at 320 320  # the rectangle, selected
step click 1
keys Tab space  # ふやす
expect_record "Duplicate Rectangle (ID = 8)"
times 28 Tab  # past the buttons and the palette: the size bar
keys Right Right Right End Home Right Right
shot size-bar-by-keyboard
at 600 20  # the pending size change is recorded when the pointer moves
expect_record "Change figure (ID = 8)"
times 14 shift+Tab; keys space  # back to the third colour: red
times 7 shift+Tab; keys Return  # the line colour button
expect_record "Change figure (ID = 8)"
"$batch" dump "$(journal)" | jq -e '.Figures[-1].PenColor == "clRed"' >/dev/null ||
  fail "the line colour chosen by keyboard is not red"

# Watching by keyboard: the mode buttons, the forward button and the time
# bar's keys; then drawing again from the step shown records a branch there.
at 600 400
step click 1  # nothing selected; the canvas has the keyboard
keys shift+Tab Right  # from なおす to みる
keys Tab Tab space  # stop, forward: step 1
keys Tab End Home Right Right Right Left  # the time bar: step 2
shot time-bar-by-keyboard
times 4 shift+Tab; keys Left  # the forward, stop and reverse buttons, then みる to なおす
wait_for 'xdotool search --name "^かくにん" >/dev/null'
keys Return  # はい: draw again from here
expect_record "Branch (STEP = 2)"

# The menus from the keyboard: Alt, then the arrows and Return.
keys alt Right Down Down Down Down Return  # ひょうじ > ぜんぶけす
expect_record "Clear all"

kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "real input OK: $(records) records"
