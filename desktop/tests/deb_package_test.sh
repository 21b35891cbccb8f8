#!/usr/bin/env bash
# Builds the Debian package from this build tree and checks its control record and file list.
set -euo pipefail
build_dir=$1 app_id=$2
command -v dpkg-deb >/dev/null || { echo "dpkg-deb missing: skipped"; exit 77; }
out=$(mktemp -d); trap 'rm -rf "$out"' EXIT
cpack --config "$build_dir/CPackConfig.cmake" -B "$out" -G DEB >/dev/null
deb=$(ls "$out"/zudira_*.deb)
info=$(dpkg-deb -I "$deb")
for field in "Package: zudira" "Section: math" "Depends: .*libqt6widgets6" "Maintainer: .*@"; do
  grep -q "$field" <<<"$info" || { echo "control record lacks \"$field\""; exit 1; }
done
files=$(dpkg-deb -c "$deb")
for f in usr/bin/zudira usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$app_id.svg usr/share/icons/hicolor/16x16/apps/$app_id.png \
         usr/share/man/man1/zudira.1.gz usr/share/doc/zudira/copyright \
         usr/share/doc/zudira/changelog.gz usr/share/zudira/Readme.Txt usr/share/zudira/PDFNew.Txt \
         usr/share/zudira/Zudira.help; do
  grep -q "\./$f\$" <<<"$files" || { echo "package lacks $f"; exit 1; }
done
# The packaged program answers its command line with no display.
dpkg-deb -x "$deb" "$out/root"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/root/usr/bin/zudira" --version)
[[ "$version" =~ ^Zudira\ [0-9.]+$ ]] || { echo "packaged --version said: $version"; exit 1; }
# Without a display it says so in one line and ends with 1, instead of Qt's abort.
set +e
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/root/usr/bin/zudira" 2>&1)
code=$?
set -e
if [ "$code" -ne 1 ] || [ "$(wc -l <<<"$said")" -ne 1 ] || ! grep -q "graphical display" <<<"$said"; then
  echo "without a display: exit $code, said: $said"; exit 1
fi
echo "package ok: $deb ($version)"
