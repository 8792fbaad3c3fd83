#!/usr/bin/env bash
# Cross-builds kombora_core, kombora-cli and the core tests for 64-bit Windows with MinGW-w64
# and runs them under Wine, so that the Windows code paths (%APPDATA%, Windows paths,
# Windows-1252 files) are tested on Windows for real.
#
# Needs the Debian packages g++-mingw-w64-x86-64-posix, wine64 and googletest (sources in
# /usr/src/googletest). Exits 77 (skipped) when one of them is missing.
#
#   scripts/windows-check.sh [build folder]     (default: build/windows)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/windows}
gtest_src=/usr/src/googletest

skip() {
    echo "windows-check: skipped: $*"
    exit 77
}

command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 ||
    skip "x86_64-w64-mingw32-g++-posix not found (Debian package g++-mingw-w64-x86-64-posix)"
wine=""
for candidate in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$candidate" >/dev/null 2>&1; then
        wine=$(command -v "$candidate")
        break
    fi
done
[ -n "$wine" ] || skip "Wine not found (Debian package wine64)"
[ -f "$gtest_src/CMakeLists.txt" ] || skip "$gtest_src not found (Debian package googletest)"
[ -f /usr/include/CLI/CLI.hpp ] || skip "CLI11 not found (Debian package libcli11-dev)"
# The core reads and writes spreadsheets with libxlsxwriter, libzip, FreeXL and pugixml; Debian
# has no MinGW builds of them, so they must have been built for MinGW and installed below
# /usr/x86_64-w64-mingw32 first.
missing=()
for module in xlsxwriter libzip freexl pugixml; do
    [ -f "/usr/x86_64-w64-mingw32/lib/pkgconfig/$module.pc" ] ||
        [ -d "/usr/x86_64-w64-mingw32/lib/cmake/$module" ] || missing+=("$module")
done
[ ${#missing[@]} -eq 0 ] ||
    skip "no MinGW build of: ${missing[*]} (the core's spreadsheet libraries)"

# A Wine prefix of its own below the build folder: nothing is written to the user's ~/.wine.
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# The Wine server of this prefix ends with the check, however the check ends.
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)
stop_wine() {
    [ -z "$wineserver" ] || "$wineserver" -k >/dev/null 2>&1 || true
}
trap stop_wine EXIT

# CLI11 is header-only standard C++; the cross compiler gets it through a folder of its own
# rather than all of /usr/include.
mkdir -p "$build/include"
ln -sfn /usr/include/CLI "$build/include/CLI"

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" "${generator[@]}" "${launcher[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS="-isystem $build/include" \
        -DKOMBORA_BUILD_GUI=OFF -DKOMBORA_BUILD_BENCH=OFF \
        -DKOMBORA_GTEST_SOURCE_DIR="$gtest_src"
fi

# Start Wine once before the build runs the design embedder under it.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "windows-check: preparing the Wine prefix"
    "$wine" wineboot --init >/dev/null 2>&1 || true
fi

targets=(kombora-cli)
while IFS= read -r dir; do
    targets+=("test_core_$(basename "$dir")")
done < <(find "$root/tests/core" -mindepth 1 -maxdepth 1 -type d | sort)
cmake --build "$build" -j "${KOMBORA_JOBS:-$(nproc 2>/dev/null || echo 2)}" --target "${targets[@]}"

echo "windows-check: kombora-cli.exe under Wine"
out=$("$wine" "$build/bin/kombora-cli.exe" --data-dir "$build/cli-data" summary 2>&1) || {
    echo "$out"
    echo "windows-check: kombora-cli.exe summary failed" >&2
    exit 1
}
echo "$out"
grep -q "built-in 519" <<<"$out" || {
    echo "windows-check: kombora-cli.exe summary does not list the built-in systems" >&2
    exit 1
}

echo "windows-check: core tests under Wine"
cd "$build"
ctest --output-on-failure -j "${KOMBORA_JOBS:-2}" -R '^test_core_'
