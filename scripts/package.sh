#!/usr/bin/env bash
# Builds the releases into dist/:
#   t360kv_<version>-1_amd64.deb     the Debian package (release build, cpack -G DEB)
#   t360kv-<version>-win64.exe       the Windows installer (makensis)
#   t360kv-<version>-win64.zip       the same Windows files in a folder T360KV, to copy
# The version is the one of project() in CMakeLists.txt. With --release-build-only it
# builds the optimised Linux programs and stops (the test command builds them ahead).
#
#   scripts/package.sh [--release-build-only]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${PACKAGE_PACKAGES[@]}"

# The Debian package, of the optimised build: only the packaged programs are built.
cmake --preset release
cmake --build --preset release --target t360kv t360kv-gui t360kv-sim package_files
[[ ${1:-} == --release-build-only ]] && exit 0
rm -rf build/release/packages
(cd build/release && cpack -G DEB)
version=$(sed -n 's/^#define T360KV_VERSION "\(.*\)"$/\1/p' build/release/version/ProgramVersion.h)

# The Windows programs beside their Lang folder, at the top of build/windows.
cmake --preset windows
cmake --build --preset windows --target t360kv t360kv-win language_files

rm -rf dist
mkdir dist
cp "build/release/packages/t360kv_${version}-1_amd64.deb" dist/
# Warnings are errors: a file the script names that the build lacks fails here.
makensis -V2 -WX -NOCD -DVERSION="$version" -DPROGRAMS=build/windows \
    -DOUTFILE="dist/t360kv-${version}-win64.exe" packaging/windows/t360kv.nsi

portable=build/windows/portable
rm -rf "$portable"
mkdir -p "$portable/T360KV/Lang"
cp build/windows/t360kv-win.exe build/windows/t360kv.exe "$portable/T360KV/"
cp build/windows/Lang/* "$portable/T360KV/Lang/"
(cd "$portable" && zip -q -r -X "../../../dist/t360kv-${version}-win64.zip" T360KV)

echo "Packages of version $version:"
ls -l dist
