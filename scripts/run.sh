#!/usr/bin/env bash
# Builds the calculator if needed and starts it under Wine. Without a display it
# runs a short demonstration in a virtual one instead (see scripts/demo.py).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/setup.sh
arch=$(scripts/windows-arch)
build=build/win-$arch
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKALK_WINDOWS_ARCH="$arch" >/dev/null
cmake --build "$build" -j "$(nproc)" --target kalkulator e2e_driver >/dev/null
if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  # On a real desktop the window manager frames the window, so this prefix keeps Wine's defaults.
  WINEPREFIX="$root/$build/wineprefix-desktop" KALK_DESKTOP_PREFIX=1 exec scripts/wine-run "$build/app/kalkulator.exe"
fi
trap 'WINEPREFIX="$root/$build/wineprefix" wineserver -k 2>/dev/null || true' EXIT
scripts/with-display python3 scripts/demo.py "$build"
