#!/usr/bin/env bash
# Runs one Windows program under the Wine of its width in a prefix of its own,
# and ends that prefix's wineserver afterwards. Usage: wine_run.sh PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/wine_prefix.sh"
prefix=$(mktemp -d)
trap 'wine_end; rm -rf "$prefix"' EXIT
wine_begin "$prefix" "$1"
"$wine" "$@"
