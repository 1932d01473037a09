#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry and its icon where a
# Linux desktop looks for them. Usage: install_test.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }
[[ -x $prefix/bin/systemtest-velorin-4 ]] || fail "no program"
desktop=$prefix/share/applications/systemtest-velorin-4.desktop
[[ -f $desktop ]] || fail "no desktop entry"
grep -qx 'Exec=systemtest-velorin-4' "$desktop" || fail "desktop entry does not start the program"
grep -qx 'Icon=systemtest-velorin-4' "$desktop" || fail "desktop entry names no icon"
[[ $(identify -format '%wx%h' "$prefix/share/icons/hicolor/32x32/apps/systemtest-velorin-4.png") == 32x32 ]] ||
  fail "no 32x32 icon"
