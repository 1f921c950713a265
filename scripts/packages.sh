# Debian packages of each task; sourced by the scripts.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev zlib1g-dev
                qt6-base-dev qt6-charts-dev libqt6opengl6-dev)
# The Chinese texts need a font with their characters, which a fresh system may lack.
RUN_PACKAGES=("${BUILD_PACKAGES[@]}" xvfb xauth fonts-wqy-microhei)
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev clang-format clang-tidy)
# The Windows programs: mingw-w64, GoogleTest's sources and zlib for it, wine to run them
# (with a font for the window's Chinese texts); their end-to-end test runs the simulator
# of the native build.
WINDOWS_PACKAGES=("${BUILD_PACKAGES[@]}" g++-mingw-w64-x86-64-posix googletest
                  libz-mingw-w64-dev wine wine64 xvfb xauth fonts-wqy-microhei)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" hyperfine gpsd-clients)
# The releases (scripts/package.sh): the Debian package by CPack (dpkg-shlibdeps of
# dpkg-dev, file), the Windows installer by makensis and its portable zip.
PACKAGE_PACKAGES=("${WINDOWS_PACKAGES[@]}" dpkg-dev file nsis zip)
# Their checks (tests/packages/check.sh).
PACKAGE_CHECK_PACKAGES=("${PACKAGE_PACKAGES[@]}" lintian desktop-file-utils appstream man-db
                        unzip)
