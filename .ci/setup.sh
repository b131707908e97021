#!/usr/bin/env bash
# Installs everything Numerel needs on a fresh Debian 12 machine (run as root).
# Idempotent: when every package is already there it only checks and returns.
# With --check it installs nothing and fails when something is missing,
# naming the command in $2 as the one to run once as root.
set -euo pipefail

packages=(
  cmake g++ ninja-build make
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine32 wine64 xvfb xauth x11-utils
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  locales fonts-wqy-microhei
  fonts-wine fonts-liberation fonts-arphic-uming
  cups printer-driver-cups-pdf libcups2:i386 poppler-utils
)

missing=()
need_i386=0
for p in "${packages[@]}"; do
  arch_pkg="$p"
  [ "$p" = wine32 ] && arch_pkg="wine32:i386"
  if ! dpkg-query -W -f='${Status}' "$arch_pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$arch_pkg")
  fi
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_i386=1
fi
need_locale=0
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  need_locale=1
fi

if [ "${1:-}" = --check ]; then
  if [ ${#missing[@]} -gt 0 ] || [ $need_i386 = 1 ] || [ $need_locale = 1 ]; then
    echo "setup: missing ${missing[*]:-} $([ $need_locale = 1 ] && echo zh_CN.UTF-8 locale)" >&2
    echo "setup: run it once as root to install them: sudo ${2:-bash .ci/setup.sh}" >&2
    exit 1
  fi
  exit 0
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_i386 = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  [ $need_i386 = 1 ] && dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ $need_locale = 1 ] || ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
echo "setup: all dependencies present"
