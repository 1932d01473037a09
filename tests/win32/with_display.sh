#!/usr/bin/env bash
# Runs a command on a virtual display of its own, for a Windows test that
# opens a window, and ends the display afterwards. Usage: with_display.sh COMMAND...
set -euo pipefail
source "$(dirname "$0")/../../scripts/virtual_display.sh"
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
virtual_display "$work/display"
"$@"
