#!/usr/bin/env bash
# Builds and runs every test: the core natively under ASan and UBSan, then the
# whole program for Windows under Wine in a virtual display.
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

arch=$(scripts/windows-arch)
echo "== Windows build ($arch) under Wine"
cmake -S . -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DKALK_WINDOWS_ARCH="$arch" >/dev/null
cmake --build "build/win-$arch" -j "$jobs"
trap 'WINEPREFIX="$root/build/win-$arch/wineprefix" wineserver -k 2>/dev/null || true' EXIT
scripts/with-display bash -c "cd build/win-$arch && ctest --output-on-failure -j $jobs"
