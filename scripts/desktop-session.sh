#!/usr/bin/env bash
# Runs the whole program on a virtual X display and uses it as a person
# would, with real mouse and key events: the about window comes up (its
# WM_CLASS the desktop entry's StartupWMClass) and hands over to the
# conversion window after its four seconds, a correlation matrix
# and its standard deviations are typed in and converted, the result is read
# back through the clipboard, after the alert of a failed Calculate the typing
# goes on in the field that had the focus, Home in the dimension field is
# refused, Info opens the help window, Window > Control brings the
# conversion window back, File > About Tandrel shows the about window until a
# key is pressed, and File > Quit ends the program with exit status 0. A
# second run ends with Ctrl+Q while the about window is still in front.
#
#   scripts/desktop-session.sh <path to tandrel>
#
# With TANDREL_SESSION_LIBRARY_UNDER=<folder> set, the matrix library the
# program has loaded must lie inside that folder (an installed tree).
#
# On a failure it says which step failed and leaves a screenshot and the
# program's output in the folder it names.
set -Eeuo pipefail

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 <path to the tandrel executable>" >&2
  exit 2
fi

# Start again inside a virtual X display of our own.
if [ -z "${TANDREL_SESSION_DISPLAY:-}" ]; then
  exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
  exec timeout --kill-after=10 120 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    env TANDREL_SESSION_DISPLAY=1 "$0" "$exe"
fi

exe="$1"
work="$(mktemp -d "${TMPDIR:-/tmp}/tandrel-desktop.XXXXXX")"
log="$work/tandrel.log"
pid=""
step="starting"

fail() {
  local shot="$work/failure.png"
  import -window root "$shot" 2>/dev/null || shot="(no screenshot could be taken)"
  echo "desktop session FAILED at \"$step\": $*" >&2
  echo "  screenshot: $shot" >&2
  echo "  program output: $log" >&2
  [ -s "$log" ] && sed 's/^/  | /' "$log" | tail -20 >&2
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  exit 1
}
trap 'fail "command failed (line $LINENO)"' ERR

# The program's windows that are on the screen, one X window id a line.
visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local seconds="$1"
  shift
  local until=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$until" ] || return 1
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.1
  done
}

focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

now_ms() { date +%s%3N; }

size_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
position_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# A click at content coordinates of the conversion window, whose menu bar
# sits above its 800 x 650 content area.
click_at() {
  local x="$1" y="$2" left top
  read -r left top < <(position_of "$control")
  xdotool mousemove --sync $((left + x)) $((top + bar + y)) click 1
  sleep 0.2
}

type_text() {
  xdotool type --delay 20 -- "$1"
}

# Waits up to $1 seconds for the program to end, after what $2 says, and
# fails unless its exit status is 0.
ends_with_zero() {
  local until=$((SECONDS + $1)) status=0
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$until" ] || fail "the program is still running $1 s after $2"
    sleep 0.1
  done
  trap - ERR
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  trap 'fail "command failed (line $LINENO)"' ERR
}

step="the about window appears"
started_at=$(now_ms)
"$exe" >"$log" 2>&1 &
pid=$!
about="$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -1)" || fail "no window within 20 s"
[ "$(size_of "$about")" = "500x325" ] || fail "the about window is $(size_of "$about"), not 500x325"
title="$(xdotool getwindowname "$about")"
[ -z "${title// /}" ] || fail "the about window's title reads \"$title\"; it has none"
if [ -n "${TANDREL_SESSION_LIBRARY_UNDER:-}" ]; then
  loaded="$(grep -o '/.*/libComplexMatrix64\.so$' "/proc/$pid/maps" | head -1)" || true
  [[ "$loaded" == "$(realpath "$TANDREL_SESSION_LIBRARY_UNDER")"/* ]] ||
    fail "the matrix library was loaded from \"$loaded\", not from inside $TANDREL_SESSION_LIBRARY_UNDER"
fi

step="the window's WM_CLASS is the StartupWMClass of the desktop entry"
# The installed entry beside an installed program, the source tree's otherwise.
entry="$(dirname "$exe")/../share/applications/invalid.tandrel.Tandrel.desktop"
[ -f "$entry" ] || entry="$(dirname "$0")/../desktop/invalid.tandrel.Tandrel.desktop"
startup_class="$(sed -n 's/^StartupWMClass=//p' "$entry")"
wm_class="$(xprop -id "$about" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')"
[ -n "$startup_class" ] && [ "$wm_class" = "$startup_class" ] ||
  fail "the window's WM_CLASS class is \"$wm_class\", the entry's StartupWMClass \"$startup_class\""

step="the about window hands over to the conversion window by itself"
handed_over() {
  local w
  w="$(visible_windows)"
  [ -n "$w" ] && ! grep -qx "$about" <<<"$w"
}
wait_for 20 handed_over || fail "the conversion window did not replace the about window within 20 s"
waited=$(($(now_ms) - started_at))
# Counted from the program's start, before its timer started: never less
# than the timer's period.
[ "$waited" -ge 4000 ] || fail "the hand-over came $waited ms after the start, before the four seconds had run"
control="$(visible_windows | head -1)"
[ "$(visible_windows | wc -l)" -eq 1 ] || fail "more than one window on the screen: $(visible_windows | tr '\n' ' ')"
size="$(size_of "$control")"
[ "${size%x*}" = "800" ] || fail "the conversion window is $size wide"
bar=$((${size#*x} - 650))

step="a correlation matrix is typed in and converted"
xdotool windowfocus --sync "$control"
click_at 578 211   # Corr to Cov
click_at 242 212   # the dimension
type_text "2"
click_at 195 379   # the correlation matrix
type_text "1 0.5"; xdotool key Return
type_text "0.5 1"; xdotool key Return
click_at 399 379   # the standard deviations
type_text "2"; xdotool key Return
type_text "3"; xdotool key Return
click_at 75 620    # Calculate
[ "$(visible_windows | wc -l)" -eq 1 ] || fail "an alert came up instead of a result"

step="the result is read back through the clipboard"
click_at 604 379   # the covariance matrix
xdotool key ctrl+a ctrl+c
# The copy lands once the program has handled the keys: read until it does.
result=""
copied() {
  result="$(xclip -o -selection clipboard 2>/dev/null | tr -s ' \t\r\n\302\240' ' ' | sed 's/^ //; s/ $//')" || true
  [ "$result" = "4 3 3 9" ]
}
wait_for 10 copied || fail "the covariance matrix reads \"$result\", not \"4 3 3 9\""

# --- a click on Calculate leaves the focus in the field ---------------------
step="after the alert of a failed Calculate, typing goes on in the field"
# Reads the focused field through the clipboard: Ctrl+A, Ctrl+C.
field=""
field_reads() {
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  field="$(xclip -o -selection clipboard 2>/dev/null)" || true
  [ "$field" = "$1" ]
}
alert_up() { [ "$(visible_windows | wc -l)" -eq 2 ]; }
alert_gone() { [ "$(visible_windows | wc -l)" -eq 1 ]; }
click_at 242 212   # the dimension
xdotool key ctrl+a
type_text "3"      # the matrix is 2 x 2: Calculate fails, the focus stays
click_at 75 620    # Calculate
wait_for 5 alert_up || fail "no alert for a 2 x 2 matrix of dimension 3"
xdotool key Return # OK
wait_for 5 alert_gone || fail "the alert did not go"
focus_is "$control" || xdotool windowfocus --sync "$control"
xdotool key BackSpace
type_text "2"
wait_for 5 field_reads 2 || fail "the dimension field reads \"$field\", not 2: the typing went elsewhere"

# --- every key reaches the dimension field's filter --------------------------
step="Home in the dimension field is refused: the cursor stays at the end"
xdotool key ctrl+a
type_text "12"
xdotool key Home
type_text "3"
wait_for 5 field_reads 123 || fail "the dimension field reads \"$field\", not 123"

step="Info opens the help window"
click_at 725 620   # Info
help="$(timeout 10 xdotool search --sync --onlyvisible --name '^Info$' | head -1)" || fail "no Info window within 10 s"
size="$(size_of "$help")"
[ "${size%x*}" = "550" ] || fail "the help window is $size wide, not 550"
wait_for 5 focus_is "$help" || fail "the help window did not come to the front"

step="Window > Control brings the conversion window back"
xdotool key alt+f    # the File menu of the help window
sleep 0.3
xdotool key Right Right
sleep 0.3
xdotool key Return   # Control, the Window menu's first entry
wait_for 5 focus_is "$control" || fail "the conversion window did not come to the front"
visible_windows | grep -qx "$help" || fail "the help window closed"

step="File > About Tandrel shows the about window again, and a key hands over"
xdotool key alt+f    # the File menu opens on Quit
sleep 0.3
xdotool key Up       # round to About Tandrel, the last entry
sleep 0.3
xdotool key Return
about_shown() { visible_windows | grep -qx "$about"; }
wait_for 5 about_shown || fail "the About item did not bring the about window back"
wait_for 5 focus_is "$about" || fail "the about window did not come to the front"
xdotool key x
about_gone() { ! about_shown; }
wait_for 5 about_gone || fail "a key press did not hide the about window"
wait_for 5 focus_is "$control" || fail "the conversion window did not come back after the key press"

step="File > Quit ends the program with status 0"
xdotool key ctrl+q
ends_with_zero 10 "Ctrl+Q"

# --- the application's menu keys while the about window is in front ---------
step="Ctrl+Q with the about window in front ends the program with status 0"
"$exe" >>"$log" 2>&1 &
pid=$!
about="$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -1)" || fail "no window within 20 s"
xdotool windowfocus --sync "$about"
xdotool key ctrl+q   # before the four seconds of the about window are over
ends_with_zero 3 "Ctrl+Q in the about window"

rm -rf "$work"
echo "desktop session passed: WM_CLASS $wm_class, hand-over $waited ms after the start, conversion, focus after an alert, Home in the dimension, Info, Window > Control, About, Quit, Ctrl+Q in the about window"
