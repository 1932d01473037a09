# Sourced by the Wine scripts: wine_begin DIR PROGRAM makes DIR a prefix of
# the caller's own, for a Windows of PROGRAM's width (32-bit Wine for a
# 32-bit program file, 64-bit Wine for a 64-bit one), and boots it; wine_end
# ends that prefix's wineserver, and nobody else's, even when called before
# wine_begin.
wine=
wine_prefix=
wine_begin() {
  wine_prefix=$1
  if [[ $(x86_64-w64-mingw32-objdump -f "$2") == *pei-i386* ]]; then
    wine=/usr/lib/wine/wine
    export WINEARCH=win32
  else
    wine=/usr/lib/wine/wine64
    export WINEARCH=win64
  fi
  # Wine's server socket folder goes to TMPDIR, inside the prefix; with no
  # menu builder, nothing is written under the home folder.
  mkdir -p "$1/tmp"
  export WINEPREFIX=$1 TMPDIR=$1/tmp WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  "$wine" wineboot --init >/dev/null 2>&1
}
wine_end() {
  [[ -n $wine_prefix ]] && WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
}
