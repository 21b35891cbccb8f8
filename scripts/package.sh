#!/usr/bin/env bash
# Builds the Debian package into build/ (or $ZUDIRA_BUILD_DIR) and checks it with lintian,
# which must report no error and no warning. The program is built in its own folder
# (build/package) without the tests, so GoogleTest is not needed, and with Debian's hardening
# flags.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
build_dir=${ZUDIRA_BUILD_DIR:-build}
package_dir=$build_dir/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# shellcheck disable=SC2086 # the extra options are words on purpose
cmake -S . -B "$package_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" ${ZUDIRA_CMAKE_ARGS:-}
cmake --build "$package_dir" --parallel "$(nproc)" --target zudira
rm -f "$build_dir"/zudira_*.deb
(cd "$package_dir" && rm -f zudira_*.deb && cpack -G DEB >/dev/null)
cp "$package_dir"/zudira_*.deb "$build_dir"/
deb=$(cd "$build_dir" && ls "$PWD"/zudira_*.deb)
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb"
  echo "lintian: no errors or warnings"
elif [ "${CI:-}" = "true" ]; then
  echo "lintian is missing: the package is not checked" >&2
  exit 1
else
  echo "lintian is missing: the package is not checked"
fi
echo "$deb"
