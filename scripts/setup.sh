#!/usr/bin/env bash
# Installs the Debian packages the scoreboard needs to build, run and test (clang with its
# libFuzzer and sanitizer runtimes and llvm-symbolizer for the fuzz targets and checked builds).
# Only what is missing is installed; a machine that has everything is left alone. Run as root it
# installs them itself, else through sudo, or su where there is no sudo.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config git ccache
  libsdl2-dev libsdl2-image-dev libpng-dev
  libfreetype-dev libfontconfig-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools
  nlohmann-json3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei fonts-arphic-uming fonts-noto-cjk fonts-dseg fonts-liberation2
  xvfb xauth x11-xserver-utils libxrandr-dev libx11-dev libxtst-dev trayer
  xserver-xorg-core xserver-xorg-video-dummy xdotool xclip
  sox lame imagemagick
  stress-ng
  lintian dpkg-dev
  zlib1g-dev
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
install_command="export DEBIAN_FRONTEND=noninteractive; apt-get update -qq && apt-get install -y -qq --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sh -c "$install_command"
elif command -v sudo >/dev/null; then
  sudo sh -c "$install_command"
else
  # A Debian installed with a root password has no sudo: su asks for that password.
  echo "setup: there is no sudo here; su asks for root's password"
  su root -c "$install_command"
fi
