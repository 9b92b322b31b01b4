#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# the machine lacks. Does nothing when everything is present, so every make
# target may call it first.
set -euo pipefail

host_packages=(cmake make g++ pkg-config googletest libgtest-dev libbenchmark-dev
               clang libclang-rt-14-dev binutils python3)
windows_packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386
                  fonts-wine xvfb xauth locales fonts-ipafont-gothic)

case "${1:-all}" in
  host) wanted=("${host_packages[@]}") ;;
  all) wanted=("${host_packages[@]}" "${windows_packages[@]}") ;;
  *) echo "usage: $0 [host|all]" >&2; exit 2 ;;
esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for p in "${wanted[@]}"; do installed "$p" || missing+=("$p"); done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
     ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
if [ "${1:-all}" = all ] && ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "install-deps: generating the ja_JP.UTF-8 locale"
  as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
