#!/usr/bin/env bash
# Builds the libraries, their tests and kurvex-cli.exe for 64-bit Windows with MinGW-w64 and
# runs the tests under Wine. Long (a cross build and a Wine start per test); ./test.sh does not
# run it.
#
#   tools/windows-check.sh           # into build-windows/
#   KURVEX_WINDOWS_BUILD=DIR tools/windows-check.sh
#
# The editor (Qt), the OpenGL drawing, render (EGL), the benchmarks and the fuzzers are left
# out. Installs the Debian packages it needs when they are missing (as root, or through sudo).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KURVEX_WINDOWS_BUILD:-$root/build-windows}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"
jobs="${KURVEX_JOBS:-2}"

packages=(cmake ninja-build ccache g++-mingw-w64-x86-64 wine wine64 googletest)
missing=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$pkg")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing Debian packages: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

toolchain="$root/cmake/mingw-w64.cmake"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
# Wine's own diagnostics would mix into the standard error the tests compare; its prefix is
# kept inside the build folder.
export WINEDEBUG=-all WINEPREFIX="$build/wine" WINEDLLOVERRIDES="mscoree,mshtml="

start=$(date +%s)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing the Wine prefix $WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wineserver --wait || true
fi

# GoogleTest from Debian's source package, built once with the cross compiler.
gtest="$build/googletest"
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "Building GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$gtest/install" \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -Dgtest_disable_pthreads=ON >/dev/null
  cmake --build "$gtest/build" -- -j"$jobs" >/dev/null
  cmake --install "$gtest/build" >/dev/null
fi

if [ ! -f "$build/kurvex/build.ninja" ]; then
  cmake -S "$root" -B "$build/kurvex" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DGTest_DIR="$gtest/install/lib/cmake/GTest" \
    -DKURVEX_BUILD_EDITOR=OFF -DKURVEX_BUILD_GL=OFF -DKURVEX_BUILD_BENCHMARKS=OFF \
    -DKURVEX_BUILD_FUZZERS=OFF
fi
cmake --build "$build/kurvex" -- -j"$jobs"
built=$(date +%s)

cli="$build/kurvex/src/cli/kurvex-cli.exe"
echo "kurvex-cli.exe: $cli ($(stat -c %s "$cli") bytes); set-up and build took $((built - start)) s"
echo "Running the tests under Wine"
# Wine starts its own services with the first program, and they would inherit that test's
# output (ctest waits for it to close). A command prompt kept waiting on a pipe for the length
# of the run starts them apart from the tests; closing the pipe ends it.
hold="$build/wine-hold"
rm -f "$hold" && mkfifo "$hold"
wine cmd.exe <"$hold" >/dev/null 2>&1 &
exec 9>"$hold"
cd "$build/kurvex"
status=0
# Now and then Wine fails to start a program at all (no output, at once); such a test gets
# another run. A test that fails in earnest fails every time.
ctest --output-on-failure -j"$jobs" --timeout 300 --repeat until-pass:3 || status=$?
exec 9>&-
wait
rm -f "$hold"
exit "$status"
