# Sourced by the Wine scripts: wine_begin DIR PROGRAM makes DIR a prefix of
# the caller's own, for a Windows of PROGRAM's width (32-bit Wine for a
# 32-bit program file, 64-bit Wine for a 64-bit one), and boots it; wine_end
# ends that prefix's wineserver, and nobody else's, even when called before
# wine_begin. On a machine that runs no 32-bit programs, wine_begin for a
# 32-bit file says so and exits with wine_skipped, CTest's code for a skip.
wine=
wine_prefix=
wine_skipped=77

# Whether this machine executes 32-bit programs. Some kernels run none: the
# 32-bit Wine loader then gets "Exec format error", which only that answer
# turns into a skip; a missing or failing Wine stays a failure. The answer
# is asked once and kept in VELORIN_RUNS_32BIT for the scripts that follow;
# a tester sets it to "no" to see the skip on any machine.
runs_32bit() {
  if [[ -z ${VELORIN_RUNS_32BIT:-} ]]; then
    VELORIN_RUNS_32BIT=yes
    [[ $(/usr/lib/wine/wine --version 2>&1) == *"Exec format error"* ]] && VELORIN_RUNS_32BIT=no
    export VELORIN_RUNS_32BIT
  fi
  [[ $VELORIN_RUNS_32BIT != no ]] && return 0
  echo "This machine runs no 32-bit programs (Exec format error): the 32-bit program's runs under Wine are skipped."
  return 1
}
is_32bit() { [[ $(x86_64-w64-mingw32-objdump -f "$1") == *pei-i386* ]]; }

wine_begin() {
  wine_prefix=$1
  if is_32bit "$2"; then
    runs_32bit || exit $wine_skipped
    wine=/usr/lib/wine/wine
    export WINEARCH=win32
  else
    wine=/usr/lib/wine/wine64
    export WINEARCH=win64
  fi
  # With no menu builder, nothing is written under the home folder. Debian
  # 13's Wine aborts ("free(): invalid pointer") whenever TMPDIR is set. A
  # UTF-8 locale whatever the caller's (none, in a bare root): Wine spells
  # file names in the locale's character set, and in ASCII a name such as
  # "ä" comes back from the disk longer than it went in.
  unset TMPDIR
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LC_ALL=C.UTF-8
  "$wine" wineboot --init >/dev/null 2>&1
  # Debian's Wine does not look for its own fonts (fonts-wine) where they
  # are; a Windows keeps them in its Fonts folder, "MS Sans Serif" among them.
  ln -s /usr/share/wine/fonts/* "$1/drive_c/windows/Fonts/"
}
wine_end() {
  [[ -n $wine_prefix ]] && WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
}
