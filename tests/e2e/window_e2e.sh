#!/usr/bin/env bash
# The real program on its own virtual display, used as a person would: the
# window appears at its size, "Pfad..." grows it, Alt+A and "&Abbrechen"
# end it. The window after start is saved in SHOTS as the README shows it and
# compared with its image in DOCS. Usage: window_e2e.sh PROGRAM SHOTS DOCS
set -euo pipefail
program=$1
shots=$2
docs=$3
source "$(dirname "$0")/../../scripts/virtual_display.sh"
source "$(dirname "$0")/../docs_screenshots.sh"
work=$(mktemp -d)
xvfb=
pid=
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
virtual_display "$work/display"

fail() {
  echo "FAIL: $*" >&2
  sed 's/^/program: /' "$work/program.log" >&2
  exit 1
}

start() {
  QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
  pid=$!
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --name '^System-Test Velorin-4 Online !$' 2>/dev/null | head -n 1) || true
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || fail "the window did not appear"
  sleep 0.5
}

geometry() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

# Waits up to three seconds for the window to take a size.
size_becomes() {
  for _ in $(seq 30); do [[ $(geometry) == "$1" ]] && return 0; sleep 0.1; done
  fail "size $(geometry), not $1"
}

# Ends within five seconds with exit code 0, or fails.
ends() {
  for _ in $(seq 50); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" || fail "the program ended with an error"
      pid=
      return 0
    fi
    sleep 0.1
  done
  fail "$1 did not end the program"
}

# Clicks a point of the client area given in twips.
click() { xdotool mousemove --window "$window" $(($1 / 15)) $(($2 / 15)) click 1; }

xdotool mousemove 0 0         # away from the window, whose hover would show
start
size_becomes 698x358
mkdir -p "$shots"
for _ in $(seq 5); do  # on a busy machine the first paint may come late
  import -window "$window" "$shots/screenshot-linux.png"
  unlike=$(unlike_docs "$shots/screenshot-linux.png" "$docs")
  [[ $unlike == 0 ]] && break
  sleep 0.5
done
[[ $unlike == 0 ]] || fail "$shots/screenshot-linux.png: $unlike pixels unlike $docs/screenshot-linux.png"
click 400 5160                 # "Pfad..."
size_becomes 698x483
click 400 5160
sleep 0.3
size_becomes 698x483
click 9500 5100                # "&Abbrechen"
ends "&Abbrechen"

start
xdotool windowfocus --sync "$window" key alt+a
ends "Alt+A"
