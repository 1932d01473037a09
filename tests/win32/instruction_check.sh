#!/usr/bin/env bash
# Every instruction of a 32-bit program file is one the 80486 has: no cmov,
# fcmov, fcomi or fucomi (Pentium Pro), cmpxchg8b or rdtsc (Pentium), no
# multi-byte nop, sysenter or sysexit, and no MMX or SSE register. Only the
# code is read: the linker puts the C++ exception tables after the code, at
# __CTOR_LIST__, where a disassembler would take their bytes for
# instructions. A stripped file's symbols lie beside it, in its .debug file.
# Usage: instruction_check.sh EXE...
set -euo pipefail
failures=0
for exe in "$@"; do
  symbols=$exe
  [[ -f ${exe%.exe}.debug ]] && symbols=${exe%.exe}.debug
  # The symbol's value counts from the start of the code's section.
  offset=$(x86_64-w64-mingw32-objdump -t "$symbols" | awk '$NF == "___CTOR_LIST__" {offset = $(NF - 1)} END {print offset}')
  if [[ -z $offset ]]; then
    echo "FAIL $exe: no __CTOR_LIST__ among its symbols"
    failures=$((failures + 1))
    continue
  fi
  text=$(x86_64-w64-mingw32-objdump -h "$exe" | awk '$2 == ".text" {print "0x" $4}')
  end=$(printf '0x%x' $((text + offset)))
  found=$(x86_64-w64-mingw32-objdump -d -j .text --stop-address="$end" "$exe" | awk '
    /^[0-9a-f]+ <.*>:$/ { function_name = $2 }
    /^ +[0-9a-f]+:\t/ {
      split($0, part, "\t")
      op = part[3]
      if (op ~ /^(cmov|fcmov|fcomip?|fucomip?|cmpxchg8b|rdtsc|sysenter|sysexit|nopw|nopl)/ || op ~ /%x?mm[0-9]/)
        print function_name, op
    }')
  count=0
  [[ -n $found ]] && count=$(wc -l <<<"$found")
  if ((count)); then
    echo "FAIL $exe: $count instructions the 80486 lacks, most of them in:"
    sort <<<"$found" | uniq -c | sort -rn | head -n 10
    failures=$((failures + 1))
  else
    echo "$exe: every instruction up to $end is the 80486's"
  fi
done
((failures == 0))
