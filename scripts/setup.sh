#!/usr/bin/env bash
# Installs what building and testing Pavonet needs on Debian 12 (run as root).
# Idempotent: packages already present are not fetched again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format googletest libclang-rt-14-dev llvm
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick
  fonts-ipafont-gothic fonts-ipafont-mincho
  locales nasm libjpeg62-turbo-dev libjpeg-turbo-progs icoutils dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# The Windows builds cross-compile libjpeg from Debian's own source package.
src_list=/etc/apt/sources.list.d/pavonet-src.sources
need_update=
if [ ! -f "$src_list" ]; then
  for f in /etc/apt/sources.list.d/debian.sources; do
    [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" >"$src_list"
  done
  if [ ! -f "$src_list" ] && [ -f /etc/apt/sources.list ]; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >/etc/apt/sources.list.d/pavonet-src.list
    touch "$src_list"
  fi
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ -n "$need_update" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  [ ${#missing[@]} -eq 0 ] || apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  locale-gen >/dev/null
fi

# Wine runs as this ordinary user (see wine-env.sh).
if ! id pavonet-wine >/dev/null 2>&1; then
  useradd --system --create-home --home-dir /var/lib/pavonet-wine --shell /usr/sbin/nologin pavonet-wine
fi
