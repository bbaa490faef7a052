#!/usr/bin/env bash
# Makes the Debian package of the scoreboard from the build in build/ (or $BUILD_DIR) into
# $OUT_DIR (default: the build folder): the program folder in /usr/lib/scoreboard, the commands
# ball and scoreboard (the launcher) in /usr/bin, a desktop entry with its icon.
#   sudo apt install ./build/scoreboard_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${BUILD_DIR:-build}")
out_dir=${OUT_DIR:-$build_dir}
version=${VERSION:-1.0.$(git rev-list --count HEAD 2>/dev/null || echo 0)}
arch=$(dpkg --print-architecture)
if [ ! -x "$build_dir/program/ball" ]; then
  echo "package: $build_dir/program/ball is not built (scripts/build.sh builds it)" >&2
  exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root=$stage/root
DESTDIR=$root cmake --install "$build_dir" --prefix /usr --strip >/dev/null

# The libraries the programs link, as dpkg-shlibdeps finds them, and what they load by name.
mkdir -p "$stage/debian"
echo "Source: scoreboard" >"$stage/debian/control"
shlibs=$(cd "$stage" && dpkg-shlibdeps -O -e root/usr/lib/scoreboard/ball -e root/usr/lib/scoreboard/main 2>"$stage/shlibdeps.log" |
  sed -n 's/^shlibs:Depends=//p') || true
if [ -z "$shlibs" ]; then
  cat "$stage/shlibdeps.log" >&2
  echo "package: dpkg-shlibdeps found no libraries for the programs (dpkg-dev installs it)" >&2
  exit 1
fi
# GStreamer's base and good plugins play the music and the camera (playbin, mpg123, v4l2); the
# fonts are the faces the forms' fonts are drawn with: Noto CJK, AR PL UMing and WenQuanYi for
# the Chinese faces, Liberation for the Latin ones, DSEG for the clock.
depends="$shlibs, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fontconfig"
depends="$depends, fonts-noto-cjk, fonts-arphic-uming, fonts-wqy-microhei, fonts-liberation2, fonts-dseg"

installed_size=$(du -sk "$root" | cut -f1)
mkdir -p "$root/DEBIAN"
cat >"$root/DEBIAN/control" <<CONTROL
Package: scoreboard
Version: $version
Architecture: $arch
Installed-Size: $installed_size
Maintainer: Scoreboard developers <scoreboard@localhost>
Section: games
Priority: optional
Depends: $depends
Description: basketball scoreboard and game clock
 A full-screen scoreboard for a basketball match, driven by one operator
 from the keyboard: clock, scores, periods, rosters, signals and break music.
 The launcher "scoreboard" switches the display to 1024 x 768 and starts "ball".
CONTROL

mkdir -p "$out_dir"
dpkg-deb --root-owner-group -Zxz -z1 --build "$root" "$out_dir/scoreboard_${version}_${arch}.deb" >/dev/null
echo "package: $out_dir/scoreboard_${version}_${arch}.deb"
