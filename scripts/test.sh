#!/usr/bin/env bash
# Builds and runs every test: the core and the lifecycle natively under ASan and
# UBSan, the fuzzers, then the whole program for Windows under Wine in a virtual
# display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/setup.sh
jobs=$(nproc)

echo "== native build (ASan + UBSan)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DKALK_SANITIZE=ON \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build/native -j "$jobs"
(cd build/native && ctest --output-on-failure -j "$jobs")

echo "== fuzzing against the reference model (ASan + UBSan), 30 s a target"
scripts/fuzz.sh 30

# The shipped program is 32-bit. Where this machine's kernel runs no 32-bit
# code (only 64-bit Wine works), the same sources are also built for x86_64
# and every Wine test runs on that build; the 32-bit .exe is still built and
# checked statically.
windows_build() {  # arch
  cmake -S . -B "build/win-$1" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKALK_WINDOWS_ARCH="$1" >/dev/null
  cmake --build "build/win-$1" -j "$jobs"
}
arch=$(scripts/windows-arch)
if [[ $arch != i686 ]]; then
  echo "== Windows build (i686, the shipped program): static checks"
  windows_build i686
  (cd build/win-i686 && ctest --output-on-failure -R '^hardening$')
fi
echo "== Windows build ($arch) under Wine"
windows_build "$arch"
trap 'WINEPREFIX="$root/build/win-$arch/wineprefix" wineserver -k 2>/dev/null || true' EXIT
scripts/with-display bash -c "cd build/win-$arch && ctest --output-on-failure -j $jobs"
