#!/usr/bin/env bash
# Builds the Debian package dist/nurupika2_<version>_<arch>.deb (Release, Debian's
# hardening flags) and checks it with lintian and the desktop and AppStream validators.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
bash scripts/deps.sh "${GAME_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Reproducible: the archive's file times are the last commit's (the release's date in the
# changelog outside a git checkout), so the same sources give the same package bytes.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || SOURCE_DATE_EPOCH=""
  [ -n "$SOURCE_DATE_EPOCH" ] || SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -S Timestamp)
fi
export SOURCE_DATE_EPOCH
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DNP2_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr \
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package
# CPack leaves its staging folders where it writes; only the package goes to dist/
rm -rf build-package/cpack
(cd build-package && cpack -G DEB -B "$PWD/cpack" >cpack.log 2>&1) || { cat build-package/cpack.log >&2; exit 1; }
debs=(build-package/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}" >&2; exit 1; }
mkdir -p dist
deb=dist/$(basename "${debs[0]}")
mv "${debs[0]}" "$deb"

lintian --fail-on error "$deb"
desktop-file-validate packaging/io.github.np2team.nurupika2.desktop
appstreamcli validate --no-net --pedantic packaging/io.github.np2team.nurupika2.metainfo.xml
echo "$deb"
