#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks its name, its dependencies (those
# shlibdeps finds and those it cannot) and that it installs under /usr only, with a stripped game.
set -euo pipefail

cpack=$1 build=$2 version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$build" && "$cpack" -G DEB -B "$work" > "$work/cpack.log" 2>&1) || fail "cpack failed: $(cat "$work/cpack.log")"

deb=$work/petalgame32_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$work")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = petalgame32 ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
depends=$(field Depends)
for package in libqt6widgets6 libcanberra0 qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n; do
  tr ',' '\n' <<< "$depends" | grep -q "^ *$package\b" || fail "Depends lacks $package: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' > "$work/paths"
grep -vq '^\./usr/' "$work/paths" && fail "files outside /usr: $(grep -v '^\./usr/' "$work/paths")"
grep -q '^\./usr/local' "$work/paths" && fail "files under /usr/local: $(grep '^\./usr/local' "$work/paths")"
for path in ./usr/bin/petalgame32 ./usr/share/petalgame32/wall1.bmp ./usr/share/doc/petalgame32/copyright \
  ./usr/share/lintian/overrides/petalgame32; do
  grep -qx "$path" "$work/paths" || fail "the package lacks $path"
done

dpkg-deb -x "$deb" "$work/tree"
file -b "$work/tree/usr/bin/petalgame32" | grep -q ', stripped' || fail "the packaged game is not stripped"

echo "package check passed"
