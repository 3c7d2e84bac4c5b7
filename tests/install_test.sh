#!/usr/bin/env bash
# Installs a build into a temporary folder as the Debian package does (prefix
# /usr), then checks that the files a desktop looks for are there and valid,
# that the editor's modules are installed and loadable (a video question
# loads the media module from there),
# that the installed programs answer --help and --version, and that the editor
# opens the game set named on its command line.
# Usage: install_test.sh CMAKE BUILD_DIR VERSION GAME_SET
set -uo pipefail
cmake=$1 build=$2 version=$3 game_set=$4
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
usr=$dest/usr
app=org.quizmora.Editor
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >"$dest/install.log" 2>&1; then
  cat "$dest/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

sizes=(16 22 24 32 48 64 128 256)
files=(bin/quizmora-editor bin/quizmora-tool
  share/applications/$app.desktop share/metainfo/$app.metainfo.xml
  share/icons/hicolor/scalable/apps/$app.svg
  share/man/man1/quizmora-editor.1.gz share/man/man1/quizmora-tool.1.gz
  share/doc/quizmora-editor/copyright share/doc/quizmora-editor/changelog.gz)
for size in "${sizes[@]}"; do
  files+=("share/icons/hicolor/${size}x$size/apps/$app.png")
done
for file in "${files[@]}"; do
  [ -s "$usr/$file" ] || fail "$file is missing or empty"
done
for program in quizmora-editor quizmora-tool; do
  [ -x "$usr/bin/$program" ] || fail "bin/$program is not executable"
done

# The media players and the Print command are modules the editor loads at
# their first use: each is installed in the editor's module folder with every
# library it needs found, and the editor itself links neither Qt Multimedia
# nor Qt PrintSupport, which would be mapped at every start.
for module in quizmora-media quizmora-print; do
  path=$(find "$usr" -path "*/lib*/quizmora-editor/$module.so")
  [ -n "$path" ] && ! ldd "$path" | grep -q "not found" && nm -D --defined-only "$path" | grep -q " qz_" ||
    fail "the module $module is not installed or cannot be loaded"
done
ldd "$usr/bin/quizmora-editor" | grep -q "Qt6\(Multimedia\|PrintSupport\)" &&
  fail "the editor links Qt Multimedia or Qt PrintSupport"

# A PNG's width and height are the big-endian words at bytes 16 to 23.
for size in "${sizes[@]}"; do
  png=$usr/share/icons/hicolor/${size}x$size/apps/$app.png
  [ -f "$png" ] || continue
  read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$width $height" = "$size $size" ] || fail "$png is ${width}x$height"
done

desktop=$usr/share/applications/$app.desktop
output=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$output" ] ||
  fail "desktop-file-validate: $output"
grep -qx "Exec=quizmora-editor %f" "$desktop" || fail "the desktop entry does not start the editor"
grep -qx "Icon=$app" "$desktop" || fail "the desktop entry does not name the icon"

appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml" >"$dest/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$dest/appstream.log")"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$app.metainfo.xml" ||
  fail "the metadata does not list release $version"

# Each manual page formats without a warning (as lintian checks them) and
# names its program and the version.
for program in quizmora-editor quizmora-tool; do
  page=$usr/share/man/man1/$program.1.gz
  [ -f "$page" ] || continue
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$program.1: $warnings"
  text=$(LC_ALL=C MANWIDTH=80 man -l "$page" 2>/dev/null)
  grep -q "^ *$program - " <<<"$text" || fail "$program.1 has no NAME line for $program"
  grep -q -- "--version" <<<"$text" || fail "$program.1 lists no options"
  zcat "$page" | grep -q "^\.TH .* \"$program $version\"" || fail "$program.1 does not give version $version"
done

# run EXPECTED_STATUS PROGRAM ARGS...: checks the status; leaves standard
# output in $output and standard error in $errors. The time limit fails a
# program that opens its window instead of answering, rather than waiting.
run() {
  local expected=$1 status
  shift
  output=$(timeout 60 "$@" 2>"$dest/stderr")
  status=$?
  errors=$(cat "$dest/stderr")
  [ "$status" = "$expected" ] || fail "$* exited $status, not $expected: $output $errors"
}
editor=$usr/bin/quizmora-editor
# --help and --version answer without any display to open.
nodisplay="env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY"
run 0 $nodisplay "$editor" --version
[ "$output" = "quizmora-editor $version" ] || fail "editor --version printed: $output"
run 0 $nodisplay "$editor" --help
grep -q "^Usage: .*quizmora-editor \[options\] \[file\]" <<<"$output" ||
  fail "editor --help printed: $output"
run 1 "$editor" --no-such-option
grep -q "no-such-option" <<<"$errors" || fail "editor did not name the unknown option: $errors"
run 1 "$editor" one.txt two.txt
# A game set named on the command line opens: the editor, leaving once its
# window is shown, keeps the file among its recent files.
home=$dest/home
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME=$home/.config QZ_QUIT_AFTER_SHOW=1 run 0 "$editor" "$game_set"
grep -qF "$game_set" "$home/.config/Quizmora/Quizmora Editor.ini" 2>/dev/null ||
  fail "the editor did not open the game set named on its command line"
# A set whose first question is a video: showing it loads the media module
# from the installed folder, not from the build tree.
sed '2s|.*|/nonexistent/clip.mp4\r|;5s|.*|V\r|' "$game_set" >"$dest/video.txt"
HOME=$home XDG_CONFIG_HOME=$home/.config QZ_QUIT_AFTER_SHOW=1 run 0 env LD_DEBUG=files "$editor" "$dest/video.txt"
grep -q "calling init: $usr/lib[^ ]*/quizmora-editor/quizmora-media.so" <<<"$errors" ||
  fail "the installed editor did not load its media module when showing a video question"
run 0 "$usr/bin/quizmora-tool" --version
[ "$output" = "quizmora-tool $version" ] || fail "tool --version printed: $output"
run 0 "$usr/bin/quizmora-tool" --help
grep -q "quizmora-tool resave" <<<"$output" || fail "tool --help printed: $output"

if [ "$failures" -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "the installed tree is complete and valid"
