# Sourced by the scripts and tests that need a display of their own:
# virtual_display FILE starts Xvfb on a free display (it writes the number
# to FILE), keeps its process in xvfb and exports DISPLAY. It never resets:
# a reset when the last client leaves refuses the next one for a moment.
virtual_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$1" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [[ -s "$1" ]] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$1")
}
