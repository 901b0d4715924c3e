#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a player get from it:
# exactly the expected files, valid desktop and AppStream data, icons of the sizes their folders
# claim, a man page that renders, and a game that seeds its data folder from where it was installed.
set -euo pipefail

cmake=$1 build=$2 app_id=$3

work=$(mktemp -d)
game=
cleanup() {
  if [ -n "$game" ]; then
    # Ended by the signal, the game's status is not the test's.
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A prefix other than the configured one, as a package's /usr is: the game must find its data anyway.
root=$work/root
prefix=$root/usr
"$cmake" --install "$build" --prefix "$prefix" > "$work/install.log"

icon_sizes=(16 22 24 32 48 64 128 256 512)
expected=(
  bin/petalgame32
  share/petalgame32/wall1.bmp
  share/petalgame32/wall2.bmp
  share/petalgame32/wall3.bmp
  share/petalgame32/sounds/menu_command.wav
  share/petalgame32/sounds/menu_popup.wav
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$app_id.svg"
  share/man/man6/petalgame32.6.gz
  share/doc/petalgame32/copyright
  share/doc/petalgame32/changelog.gz
)
for size in "${icon_sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png"); done

# Exactly these: no tools, tests, headers or libraries, from us or from a dependency.
diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) ||
  fail "the installed files differ from the expected ones (- expected, + installed)"

[ -x "$prefix/bin/petalgame32" ] || fail "bin/petalgame32 is not executable"

for size in "${icon_sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
done

# Debian wants its gzipped documents maximally compressed and without a name or time stamp in them.
for gz in share/man/man6/petalgame32.6.gz share/doc/petalgame32/changelog.gz; do
  gzip -t "$prefix/$gz" || fail "$gz is not gzip data"
  header=$(od -An -tx1 -N8 "$prefix/$gz" | tr -d ' \n')
  [ "${header:6:2}" = 00 ] || fail "$gz keeps the original file name"
  [ "${header:8:8}" = 00000000 ] || fail "$gz keeps a time stamp"
done
warnings=$(zcat "$prefix/share/man/man6/petalgame32.6.gz" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || fail "the man page does not render cleanly: $warnings"

desktop=$prefix/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the installed icon $app_id"
grep -qx "Exec=petalgame32 --user-data" "$desktop" || fail "the desktop entry does not start the game in the player's folder"
# validate-tree checks the metainfo and that its launchable names an installed desktop entry.
appstreamcli validate-tree --no-net --strict "$root" > "$work/appstream.log" ||
  fail "appstreamcli rejects the installed AppStream data: $(cat "$work/appstream.log")"

# --version answers on a terminal with no display at all.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/petalgame32" --version 2>&1) ||
  fail "--version without a display failed: $version"
[ "$version" = "Petalgame 32 1.0" ] || fail "--version printed: $version"

# Started from a terminal in the home folder, without options, the installed game runs in the player's
# data folder, and a first start copies the wallpapers there from the installed data; nothing else has them.
export HOME=$work/home XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
(cd "$HOME" && exec "$prefix/bin/petalgame32") > "$work/game.log" 2>&1 &
game=$!
folder=$XDG_DATA_HOME/petalgame32
seeded() {
  for wall in wall1.bmp wall2.bmp wall3.bmp; do
    cmp -s "$prefix/share/petalgame32/$wall" "$folder/$wall" || return 1
  done
}
# The data folder is entered after the copies.
entered() { [ "$(readlink "/proc/$game/cwd")" = "$folder" ]; }
# The game keeps running with its window; wait for the copies (ten seconds at most), then stop it.
for _ in $(seq 200); do
  seeded && entered && break
  kill -0 "$game" 2>/dev/null || fail "the game stopped: $(cat "$work/game.log")"
  sleep 0.05
done
seeded || fail "the data folder was not seeded from the installed wallpapers: $(ls "$folder" 2>&1)"
# Its saves go to the folder it runs in.
entered || fail "the game runs in $(readlink "/proc/$game/cwd"), not $folder"
[ -z "$(ls -A "$HOME")" ] || fail "the game left files in the home folder: $(ls -A "$HOME")"

echo "install check passed"
