# Sourced by the Wine scripts: wine_begin DIR makes DIR a prefix of the
# caller's own and boots it; wine_end ends that prefix's wineserver, and
# nobody else's, even when called before wine_begin.
wine=/usr/lib/wine/wine64
wine_prefix=
wine_begin() {
  wine_prefix=$1
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  "$wine" wineboot --init >/dev/null 2>&1
}
wine_end() {
  [[ -n $wine_prefix ]] && WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
}
