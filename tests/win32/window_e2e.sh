#!/usr/bin/env bash
# The Windows program under Wine and Xvfb, driven from outside through its
# control IDs: the operating system it names for each version Wine can
# report, the drive scan where it shows, a system test over planted files,
# and both searches kept alive and cancelled over a tree that takes a while.
# As Windows 95 it runs as OLDEST, the same program built to find none of
# the functions it looks up at run time, as on Windows 95.
# The window is saved in SHOTS as the README shows it, as Windows 98 after
# the scan of C: and during a scan, as Windows XP after the system test, and
# compared with the images of the same names in DOCS.
# Usage: window_e2e.sh PROGRAM DRIVER OLDEST SHOTS DOCS
set -euo pipefail
program=$1
driver=$2
oldest=$3
shots=$4
docs=$5
source "$(dirname "$0")/wine_prefix.sh"
source "$(dirname "$0")/../docs_screenshots.sh"
source "$(dirname "$0")/../../scripts/virtual_display.sh"
work=$(mktemp -d)
pid=
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
  wine_end
  [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
virtual_display "$work/display"
wine_begin "$work/prefix" "$program"

failures=0
check() {  # check WHAT EXPECTED ACTUAL
  if [[ "$2" == "$3" ]]; then echo "ok   $1"; else echo "FAIL $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
drive() { $wine "$driver" "$@" | tr -d '\r'; }
start() {  # start [PROGRAM]
  $wine "${1:-$program}" >/dev/null 2>&1 &
  pid=$!
  drive wait >/dev/null
}
stop() {
  drive close >/dev/null
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { check "$1: the close box ends the program" ended running; kill "$pid"; }
  wait "$pid" 2>/dev/null || true
  pid=
}
# The checker's X window.
window_id() { xwininfo -root -tree | awk '/"System-Test Velorin-4 Online !"/ {print $1; exit}'; }
screenshot() {  # screenshot NAME: docs/screenshot-windows-NAME.png as it now is
  local id shot=$shots/screenshot-windows-$1.png
  id=$(window_id)
  sleep 1
  mkdir -p "$shots"
  import -window "$id" "$shot"
  check "$shot: the pixels unlike $docs/${shot##*/}" 0 "$(unlike_docs "$shot" "$docs")"
}

# Frame1 1017, Frame2 1024: at least two clear pixels between caption and line.
frames_clear() {
  local frame left right
  for frame in 1017 1024; do
    read -r left right < <(drive gaps "$frame")
    check "$1: frame $frame's line clear of its caption" yes "$(((left >= 2 && right >= 2)) && echo yes || echo "$left $right")"
  done
}

# Bold text is drawn with strokes at least WIDE pixels wide, most of them:
# 2 at 96 dpi and 3 at 144, where regular text has 1 and 2. "Pfad..."
# (Label27 1046, 8.25 pt), LabelWin (1050, 9.75 pt), and where shown Label1
# (1023) and Label20 (1034), 12 pt.
bold_strokes() {  # bold_strokes WHAT WIDE ID...
  local what=$1 wide=$2 id n
  shift 2
  for id in "$@"; do
    n=$(drive stroke "$id")
    check "$what: $id drawn bold" yes "$([[ $n -ge $wide ]] && echo yes || echo "commonest stroke $n")"
  done
}

# LabelWin 1050, Command1 1000, Command10 1001, Option1(0) 1041, Option1(1) 1042
while IFS='|' read -r version name older; do
  $wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$version" /f >/dev/null 2>&1
  if [[ $version == win95 ]]; then start "$oldest"; else start; fi
  mapfile -t got < <(drive text 1050 visible 1000 visible 1001 checked 1041 checked 1042)
  check "$version: system name" "Aktuelles Betriebssystem: $name" "${got[0]}"
  if [[ $older == yes ]]; then expected=(0 1 0 1); else expected=(1 1 1 0); fi
  check "$version: Command1, Command10, win2000, win98" "${expected[*]}" "${got[*]:1}"
  [[ $version == winxp ]] && frames_clear "$version"
  if [[ $older == yes ]]; then
    # "Suche [C:]": the prefix's drive C holds Internet Explorer and no comdlg32.ocx.
    # Label9 1029 (Internet Explorer present), Label5 1021 (comdlg32.ocx missing).
    mapfile -t got < <(drive click 1001 visible 1029 visible 1021)
    check "$version: the scan of C: finds Internet Explorer, not comdlg32.ocx" "1 1" "${got[*]}"
    [[ $version == win98 ]] && screenshot win98
  fi
  stop "$version"
done <<'VERSIONS'
win95|Windows 95|yes
win98|Windows 98|yes
winme|Windows ME|no
nt40|Windows NT|no
win2k|Windows 2000|no
winxp|Windows XP|no
win2003|Unbekanntes Betriebssystem|no
win10|Unbekanntes Betriebssystem|no
VERSIONS

# The system test over the program-files folder, the five files planted in mixed case.
$wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d winxp /f >/dev/null 2>&1
files="$WINEPREFIX/drive_c/Program Files"
mkdir -p "$files/Common Files/System" "$files/Tools/OCX" "$files/WebSpeech.4.0" "$files/Velorin-4"
touch "$files/Common Files/System/COMDLG32.OCX" "$files/Tools/OCX/MsComCtl.ocx" \
  "$files/WebSpeech.4.0/LgxIEBar.dll" "$files/Velorin-4/Velorin-4.exe"
[[ -n "$(find "$files" -iname iexplore.exe -print -quit)" ]] || touch "$files/IEXPLORE.EXE"
start
# LabelPfad (1039) shows as much of "C:\Program" as fits, not "C:" alone.
read -r width _ < <(drive ink 1039)
check "96 dpi: LabelPfad shows more than C:" yes "$( ((width >= 40)) && echo yes || echo "ink $width px wide")"
# Marks: Label1 1023, Label2 1022, Label3 1033, Label4 1032, Label9 1029, Label5 1021, Label10 1028;
# Command6 1004, Label18 1026, Text4 1010.
mapfile -t got < <(drive click 1000 visible 1023 visible 1022 visible 1033 visible 1032 visible 1029 \
  visible 1021 visible 1028 visible 1004 text 1026 text 1010)
check "system test: present marks" "1 1 1 1 1" "${got[*]:0:5}"
check "system test: missing marks" "0 0" "${got[*]:5:2}"
check "system test: success button" "1" "${got[7]}"
check "system test: Velorin-4 status" " Velorin-4 Programm wurde gefunden !" "${got[8]}"
check "system test: Velorin-4 result box" "velorin-4 wurde gefunden in:   c:\\program files\\velorin-4\\velorin-4.exe" "${got[9]}"
screenshot winxp
bold_strokes "96 dpi" 2 1046 1050 1023 1034
read -r _ mark96 < <(drive ink 1023)
read -r _ verdict96 < <(drive ink 1034)
# Label2's tooltip shows its whole text: its ink as wide as the text drawn whole.
checker=$(window_id)
xdotool mousemove --window "$checker" 46 100
sleep 0.3
xdotool mousemove --window "$checker" 48 100
read -r shown whole < <(drive tip "$(printf 'windows\\system32\\ \xf6ffnen !' | iconv -f latin1 -t utf-8)")
check "Label2's tooltip shows its whole text" "$whole" "$shown"
stop winxp

# A search that takes a while: 40,000 folders, and no comdlg32.ocx to end
# the walk early. The window answers meanwhile, the help line (Label25,
# 1048) counts, and Esc leaves the window as it was, Text1 (1007) included.
for i in $(seq 40); do mkdir -p "$files/Slow/$i"/{1..40}/{1..25}; done
mv "$files/Common Files/System/COMDLG32.OCX" "$files/Common Files/System/COMDLG32.OLD"
until_help() {  # until_help PREFIX: the help line, once it starts with PREFIX or after 10 s
  local text
  for _ in $(seq 100); do
    text=$(drive text 1048)
    [[ $text == "$1"* ]] && break
    sleep 0.1
  done
  echo "$text"
}
for run in "winxp 1000 system test" "win98 1001 scan of C:"; do
  read -r version button what <<<"$run"
  $wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$version" /f >/dev/null 2>&1
  start
  before=$(drive text 1007 visible 1023 visible 1021)
  drive press "$button" >/dev/null
  help=$(until_help "Suche läuft ... ")
  check "$version, $what: the help line counts" yes "$([[ $help =~ ^Suche\ läuft\ \.\.\.\ [0-9.]+\ Ordner\ durchsucht$ ]] && echo yes || echo "$help")"
  check "$version, $what: the window answers within 200 ms" 1 "$(drive ping)"
  [[ $version == win98 ]] && screenshot searching
  drive key esc >/dev/null
  check "$version, $what: Esc cancels" "Suche abgebrochen." "$(until_help "Suche abgebrochen.")"
  check "$version, $what: every control as before" "$before" "$(drive text 1007 visible 1023 visible 1021)"
  stop "$version, $what"
done
$wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d winxp /f >/dev/null 2>&1
start

# Tab follows the tab index: Command1 (1000), then Command10 (1001), Command5 (1002).
mapfile -t got < <(drive focus key tab focus key tab focus)
check "first focus and Tab" "1000 1001 1002" "${got[*]}"
# Tab on to Option1(0), the last in tab order; the arrows step through the group.
for _ in $(seq 30); do [[ $(drive focus) == 1041 ]] && break; drive key tab >/dev/null; done
mapfile -t got < <(drive focus key right focus checked 1042 key up focus checked 1041)
check "arrows in the option group" "1041 1042 1 1041 1" "${got[*]}"
drive key alt+a >/dev/null  # "&Abbrechen"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
check "Alt+A ends the program" ended "$(kill -0 "$pid" 2>/dev/null && echo running || echo ended)"
wait "$pid" 2>/dev/null || true
pid=

# At 144 dpi too the frames keep their captions clear, and LabelPfad (1039)
# shows its first line whole and none cut off at its lower edge. After a
# system test that finds all five, the 12 pt captions, Label1's mark and
# Label20's verdict, are drawn half as tall again as at 96 dpi, still bold.
for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
  $wine reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
done
wine_end  # Wine 10 reads the resolution once per session
mv "$files/Common Files/System/COMDLG32.OLD" "$files/Common Files/System/COMDLG32.OCX"
start
frames_clear "144 dpi"
check "144 dpi: LabelPfad shows one line" 1 "$(drive lines 1039)"
drive click 1000 >/dev/null
bold_strokes "144 dpi" 3 1046 1050 1023 1034
read -r _ mark144 < <(drive ink 1023)
read -r _ verdict144 < <(drive ink 1034)
for grown in "Label1 $mark96 $mark144" "Label20 $verdict96 $verdict144"; do
  read -r name at96 at144 <<<"$grown"
  check "144 dpi: $name at least 1.35 times as tall as at 96 dpi" yes \
    "$( ((at144 * 100 >= at96 * 135)) && echo yes || echo "$at96 px, then $at144 px")"
done
stop "144 dpi"

echo "$failures failed"
((failures == 0))
