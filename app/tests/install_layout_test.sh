#!/usr/bin/env bash
# Installs this build tree into a temporary DESTDIR, checks the file list and runs the
# installed program's command line, which needs no display.
set -euo pipefail
build_dir=$1 app_id=$2
root=$(mktemp -d); trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build_dir" --prefix /usr >/dev/null
cd "$root/usr"
expected="bin/zudira
share/applications/$app_id.desktop
share/icons/hicolor/128x128/apps/$app_id.png
share/icons/hicolor/16x16/apps/$app_id.png
share/icons/hicolor/256x256/apps/$app_id.png
share/icons/hicolor/32x32/apps/$app_id.png
share/icons/hicolor/48x48/apps/$app_id.png
share/icons/hicolor/64x64/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/doc/zudira/changelog.gz
share/doc/zudira/copyright
share/man/man1/zudira.1.gz
share/metainfo/$app_id.metainfo.xml
share/zudira/PDFNew.Txt
share/zudira/Readme.Txt
share/zudira/Zudira.help"
actual=$(find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$(LC_ALL=C sort <<<"$expected")" ]; then
  echo "installed files differ:"; diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual") || true
  exit 1
fi
# No display: the command line is answered before any window exists.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
version=$(bin/zudira --version)
[[ "$version" =~ ^Zudira\ [0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "--version said: $version"; exit 1; }
bin/zudira --help | grep -q -- "--version" || { echo "--help lists no --version"; exit 1; }
bin/zudira --help | grep -q -- "-platform <name>" || { echo "--help lists no Qt options"; exit 1; }
set +e
error=$(bin/zudira --no-such-option 2>&1 >/dev/null); code=$?
set -e
[ "$code" -eq 2 ] || { echo "unknown option exited $code"; exit 1; }
grep -q "no-such-option" <<<"$error" || { echo "unknown option said: $error"; exit 1; }
# The lookup of the program finds the help document and the text files in share/zudira.
lookup=$(ZUDIRA_INSTALLED_BIN="$root/usr/bin" QT_QPA_PLATFORM=offscreen \
         "$build_dir/app/zudira_app_tests" --gtest_filter='InstalledLayout.*' 2>&1) ||
  { echo "$lookup"; exit 1; }
grep -q "PASSED  \] 1 test" <<<"$lookup" || { echo "$lookup"; exit 1; }
# The installed program opens its window and keeps running until it is closed.
home=$(mktemp -d -p "$root")
set +e
HOME=$home XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=offscreen timeout 3 bin/zudira >/dev/null 2>&1
code=$?
set -e
[ "$code" -eq 124 ] || { echo "installed program ended with $code before it was closed"; exit 1; }
echo "install layout ok: $version"
