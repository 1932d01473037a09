#!/usr/bin/env bash
# The loader check holds the 32-bit file to Windows 95 as it came: it fails
# the file where the list gives one of its C runtime imports only from
# Internet Explorer 4 on, and fails the list where a CRTDLL line names a
# function Windows 95's crtdll.dll does not export.
# Usage: crtdll_list_test.sh FUNCTIONS_LIST EXE CRTDLL_DEF
set -uo pipefail
here=$(dirname "$0")
list=$1
exe=$2
def=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect_failure() {  # expect_failure WHAT MESSAGE LIST
  local output
  if output=$(bash "$here/loader_check.sh" "$3" "$exe" "$def" 2>&1) || [[ $output != *"$2"* ]]; then
    echo "FAIL $1: the loader check said"$'\n'"$output"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}
sed 's/^\(CRTDLL  *free  *\)95    /\195+IE4/' "$list" >"$work/after_ie4.txt"
expect_failure "an import only Internet Explorer 4 brings" "CRTDLL free is missing on Windows 95 as it came" \
  "$work/after_ie4.txt"
{ cat "$list"; echo "CRTDLL    _itow                       95      3.5   crtdll"; } >"$work/nt_only.txt"
expect_failure "a line for a function of NT's crtdll.dll only" "CRTDLL _itow is listed but not exported by Windows 95" \
  "$work/nt_only.txt"
((failures == 0))
