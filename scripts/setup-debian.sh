#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing and the demo need.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config git ca-certificates \
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64 \
  zlib1g-dev libz-mingw-w64-dev \
  libfltk1.3-dev libx11-dev libxext-dev libxft-dev libxinerama-dev libxcursor-dev libxrender-dev libxfixes-dev \
  googletest libgtest-dev libgmock-dev libbenchmark-dev \
  wine64 xvfb xdotool x11-utils imagemagick xauth \
  python3 nginx-light \
  zip unzip libarchive-tools 7zip file \
  clang libclang-rt-14-dev llvm \
  locales time procps psmisc >/dev/null
# A French locale for the date-format tests that read the real locale.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR.utf8$'; then
  $SUDO sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
echo "setup: packages installed"
