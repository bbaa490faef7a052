#!/usr/bin/env bash
# Makes the Debian package of the scoreboard from the build in build/ (or $BUILD_DIR) into
# $OUT_DIR (default: the build folder, or the current folder when the build folder cannot be
# written): the program folder in /usr/lib/scoreboard, the commands ball and scoreboard (the
# launcher) in /usr/bin, their manual pages, a desktop entry with its icon, the copyright and
# the changelog. The version and the maintainer come from packaging/changelog (VERSION overrides
# the version). The build tree is only read.
#   sudo apt install ./build/scoreboard_*.deb
set -euo pipefail
started_in=$PWD
cd "$(dirname "$0")/.."
build_dir=$(realpath "${BUILD_DIR:-build}")
if [ -n "${OUT_DIR:-}" ]; then
  out_dir=$OUT_DIR
elif [ -w "$build_dir" ]; then
  out_dir=$build_dir
else
  out_dir=$started_in
fi
changelog=packaging/changelog
version=${VERSION:-$(dpkg-parsechangelog -l "$changelog" -S Version)}
maintainer=$(dpkg-parsechangelog -l "$changelog" -S Maintainer)
arch=$(dpkg --print-architecture)
if [ ! -x "$build_dir/program/ball" ] || [ ! -f "$build_dir/cmake_install.cmake" ]; then
  echo "package: $build_dir/program/ball is not built (scripts/build.sh builds it)" >&2
  exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root=$stage/root

# cmake --install writes its manifest into the build tree. The install script runs from a copy
# that writes the manifest into the stage instead, so that a build tree that cannot be written
# (another user's, a read-only mount) packages all the same.
manifest_line="file(WRITE \"$build_dir/\${CMAKE_INSTALL_MANIFEST}\""
if ! grep -qF "$manifest_line" "$build_dir/cmake_install.cmake"; then
  echo "package: $build_dir/cmake_install.cmake does not write its manifest as expected" >&2
  exit 1
fi
awk -v from="$manifest_line" -v to="file(WRITE \"$stage/\${CMAKE_INSTALL_MANIFEST}\"" \
  'index($0, from) == 1 { $0 = to substr($0, length(from) + 1) } { print }' \
  "$build_dir/cmake_install.cmake" >"$stage/cmake_install.cmake"
DESTDIR=$root cmake -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_DO_STRIP=1 -P "$stage/cmake_install.cmake" >/dev/null
program_dir=$(find "$root/usr" -type f -name ball -path '*/scoreboard/ball' -printf '%h\n' | head -n1)
# Stripped as Debian strips its programs: the compiler's .comment notes go too.
strip --remove-section=.comment --remove-section=.note "$program_dir/ball" "$program_dir/main"

# The clock font is fonts-dseg's own, which the package depends on: the program folder links to
# it instead of holding a copy (and the copy's licence text, which the copyright file carries).
system_clock_font=/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf
rm -f "$program_dir/DS-DIGIB.ttf" "$program_dir/DS-DIGIB-LICENSE.txt"
ln -s "$(realpath -m --relative-to="${program_dir#"$root"}" "$system_clock_font")" "$program_dir/DS-DIGIB.ttf"

doc=$root/usr/share/doc/scoreboard
install -d -m 755 "$doc"
install -m 644 packaging/copyright "$doc/copyright"
gzip -9n -c "$changelog" >"$doc/changelog.gz"
chmod 644 "$doc/changelog.gz"
gzip -9n "$root"/usr/share/man/man1/*.1
install -D -m 644 packaging/lintian-overrides "$root/usr/share/lintian/overrides/scoreboard"

# The libraries the programs link, as dpkg-shlibdeps finds them, and what they load by name.
mkdir -p "$stage/debian"
echo "Source: scoreboard" >"$stage/debian/control"
shlibs=$(cd "$stage" && dpkg-shlibdeps -O -e "${program_dir#"$stage/"}/ball" -e "${program_dir#"$stage/"}/main" 2>"$stage/shlibdeps.log" |
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
Maintainer: $maintainer
Section: misc
Priority: optional
Depends: $depends
Description: basketball scoreboard and game clock
 A full-screen scoreboard for a basketball match, driven by one operator
 from the keyboard: clock, scores, periods, rosters, signals and break music.
 The launcher "scoreboard" switches the display to 1024 x 768 and starts "ball".
CONTROL
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"

mkdir -p "$out_dir"
deb=$out_dir/scoreboard_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz -z1 --build "$root" "$deb" >/dev/null
echo "package: $deb"
