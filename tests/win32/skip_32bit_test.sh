#!/usr/bin/env bash
# On a machine that runs no 32-bit programs (forced here), the runs under
# 32-bit Wine end as skipped with the line that says why, while the checks
# that only read the files still run, and still fail on a file that breaks them.
# Usage: skip_32bit_test.sh FUNCTIONS_LIST VERSION_INFO EXE
set -uo pipefail
here=$(dirname "$0")
list=$1
version_info=$2
exe=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VELORIN_RUNS_32BIT=no
line="This machine runs no 32-bit programs (Exec format error): the 32-bit program's runs under Wine are skipped."
failures=0
check() {  # check WHAT EXPECTED_CODE COMMAND...
  local what=$1 expected=$2 output code
  shift 2
  output=$("$@" 2>&1)
  code=$?
  if [[ $code != "$expected" ]]; then
    echo "FAIL $what: exit $code, not $expected"$'\n'"$output"
    failures=$((failures + 1))
  elif [[ $expected == 77 && $output != *"$line"* ]]; then
    echo "FAIL $what: skipped without saying why"$'\n'"$output"
    failures=$((failures + 1))
  else
    echo "ok   $what (exit $code)"
  fi
}
# A copy that asks for Windows XP in its header: no loader of Windows 95 takes it.
x86_64-w64-mingw32-objcopy --subsystem windows:5.1 "$exe" "$work/broken.exe"
cp "${exe%.exe}.debug" "$work/broken.debug"

check "a run under Wine is skipped" 77 bash "$here/wine_run.sh" "$exe"
check "the loader check passes the program" 0 bash "$here/loader_check.sh" "$list" "$exe"
check "the loader check fails a broken file" 1 bash "$here/loader_check.sh" "$list" "$work/broken.exe"
check "the program file checks pass what they can read" 77 bash "$here/program_files_test.sh" "$version_info" "$exe"
check "the program file checks fail a file without resources" 1 bash "$here/program_files_test.sh" \
  "$version_info" "$version_info"
((failures == 0))
