#!/usr/bin/env bash
# Runs a command in a ready Wine environment:
#   with-wine.sh [--screen WxH] [--locale L] [--display] -- CMD...
#
# - a private 32-bit prefix (build/wine-prefix, or $UPDATER_WINE_PREFIX), made
#   once and reused; a marker file records that it is complete;
# - a private X server of the given size (default 1024x768), or, with
#   --display, the caller's own $DISPLAY;
# - the locale ja_JP.UTF-8 unless told otherwise: Wine takes its ANSI code
#   page from it (932 for Japanese, 1252 for C.UTF-8);
# - at the end, also on failure or interrupt, every Wine process of the
#   prefix is ended and the X server stopped. The command's status is ours.
#
# Wine keeps the screen size for as long as its server runs, so one call of
# this script serves one screen size. Calls on the same prefix take turns.
set -euo pipefail

usage() { echo "usage: $0 [--screen WxH] [--locale L] [--display] -- CMD..." >&2; exit 2; }

screen=1024x768
locale=ja_JP.UTF-8
own_display=no
while [ $# -gt 0 ]; do
  case "$1" in
    --screen) [ $# -ge 2 ] || usage; screen=$2; shift 2 ;;
    --locale) [ $# -ge 2 ] || usage; locale=$2; shift 2 ;;
    --display) own_display=yes; shift ;;
    --) shift; break ;;
    *) usage ;;
  esac
done
[ $# -gt 0 ] || usage
[[ "$screen" =~ ^[0-9]+x[0-9]+$ ]] || usage

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${UPDATER_WINE_PREFIX:-$root/build/wine-prefix}
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko installer prompts, and no menu entries on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=$locale LC_ALL=$locale
unset LANGUAGE

mkdir -p "$(dirname "$WINEPREFIX")"
exec 8>"$WINEPREFIX.lock"
flock 8

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
  local status=$?
  trap - EXIT INT TERM HUP
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

start_xvfb() {
  # Xvfb picks a free display number itself and writes it to -displayfd.
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset \
    3>"$scratch/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$scratch/display" ] && grep -q '[0-9]' "$scratch/display"; then
      export DISPLAY=":$(tr -dc 0-9 <"$scratch/display")"
      return
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "with-wine: Xvfb did not start" >&2
  exit 1
}

# Registry settings of the prefix, as a UTF-16 .reg file (the font names are
# Japanese):
# - Managed=N: with no window manager under Xvfb, Wine draws the frames
#   itself and puts every window exactly where the program asks;
# - no crash dialog, which would wait for a click that never comes;
# - the Japanese faces that programs ask for are drawn with the IPA fonts;
# - as on Windows, a Western face that lacks Japanese letters borrows them
#   from a Japanese one (Wine links no face for "MS Sans Serif" by itself),
#   so text shows under a Western code page too.
prefix_settings() {
  cat <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"MS Sans Serif"=hex(7):69,00,70,00,61,00,67,00,70,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,50,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
EOF
}

prefix_version() { { prefix_settings; echo marlett; } | sha256sum | cut -c1-16; }

prepare_prefix() {
  local marker=$WINEPREFIX/.updater-prefix-ready
  if [ -f "$marker" ] && [ "$(cat "$marker")" = "$(prefix_version)" ]; then return; fi
  echo "with-wine: preparing the Wine prefix $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  # Wine draws the title-bar buttons with the Marlett symbol font, which
  # Debian ships beside Wine (fonts-wine) but Wine does not look for there.
  ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
  { printf '\xff\xfe'; prefix_settings | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } >"$scratch/settings.reg"
  wine regedit /S "$(winepath -w "$scratch/settings.reg")" >/dev/null 2>&1
  wineserver -w
  prefix_version >"$marker"
}

if [ "$own_display" = yes ]; then
  [ -n "${DISPLAY:-}" ] || { echo "with-wine: --display needs DISPLAY" >&2; exit 2; }
else
  start_xvfb
fi
prepare_prefix

# As root, Wine would write to read-only files, since root passes every file
# permission check. Without CAP_DAC_OVERRIDE (and its read twin) root meets
# file modes like any user does, which is what a Windows user would see.
if [ "$(id -u)" -eq 0 ]; then
  drop=-dac_override,-dac_read_search
  set -- setpriv --inh-caps="$drop" --bounding-set="$drop" -- "$@"
fi

status=0
"$@" || status=$?
exit "$status"
