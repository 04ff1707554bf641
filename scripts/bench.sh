#!/usr/bin/env bash
# Builds in release mode and prints the performance table: the calculator
# beside the baseline program under Wine, then the core's benchmarks.
#   scripts/bench.sh [--idle-seconds N] [--runs N]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/setup.sh
jobs=$(nproc)
arch=$(scripts/windows-arch)
for a in $(printf '%s\n' i686 "$arch" | sort -u); do
  cmake -S . -B "build/win-$a" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKALK_WINDOWS_ARCH="$a" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "build/win-$a" -j "$jobs" --target kalkulator baseline e2e_driver >/dev/null
done
cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench-native -j "$jobs" --target core_benchmark >/dev/null

trap 'WINEPREFIX="$root/build/win-$arch/wineprefix" wineserver -k 2>/dev/null || true' EXIT
echo "== the calculator beside the baseline, under Wine ($arch build)"
scripts/with-display python3 bench/bench.py --build-dir "build/win-$arch" \
  --shipped-exe build/win-i686/app/kalkulator.exe --shipped-baseline build/win-i686/bench/baseline.exe "$@"
echo
echo "== core benchmarks (native)"
build/bench-native/bench/core_benchmark --benchmark_min_time=0.2
