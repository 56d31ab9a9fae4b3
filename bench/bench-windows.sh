#!/usr/bin/env bash
# The full log opened and drawn through the real main window (bench_window), built for Windows and
# run under Wine, against the native Linux bench_window, one after the other in one run: the
# medians of each and their ratio. No goal: it is what a Windows user's first impression
# depends on, measured as far as Wine allows.
#
#   bench/bench-windows.sh [LINUX_BUILD_FOLDER]      (default: build; Release when configured here)
#
# Google Benchmark for MinGW is built once from Debian's source package `benchmark` (the version
# of the Linux build's libbenchmark-dev) and kept beside the Qt for Windows.
set -euo pipefail
shopt -s inherit_errexit
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
runs="${OSK_BENCH_RUNS:-10}"

. "$root/bench/build-folder.sh"
linux="$(bench_build_folder "$root" "${1:-$root/build}" Release)"
cmake --build "$linux" --target bench_window >/dev/null
qt="$("$root/scripts/setup-windows-qt")"

version="$(dpkg-query -W -f='${Version}' libbenchmark-dev)"
gbench="$(dirname "$qt")/benchmark-${version%%-*}-mingw"
if [ ! -f "$gbench/.complete" ]; then
    echo "== Google Benchmark $version for MinGW"
    src="$(mktemp -d)"
    (cd "$src" && apt-get source -qq "benchmark=$version" >/dev/null)
    cmake -S "$(find "$src" -mindepth 1 -maxdepth 1 -type d | head -n 1)" -B "$src/build" \
        -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$gbench.partial" -DBENCHMARK_ENABLE_TESTING=OFF \
        -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
        -DGIT_VERSION="${version%%-*}" -DHAVE_STEADY_CLOCK=0 >/dev/null
    cmake --build "$src/build" -j "$jobs" >/dev/null
    cmake --install "$src/build" >/dev/null
    touch "$gbench.partial/.complete"
    rm -rf "$gbench" "$src"
    mv "$gbench.partial" "$gbench"
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/osk-bench-windows.XXXXXX")"
trap 'stop_prefixes; rm -rf "$work"' EXIT
. "$root/scripts/windows-wine.sh"
build="$root/build-windows-bench"
cmake -S "$root" -B "$build" "${windows_cmake_args[@]}" -DOSK_BENCH=ON \
    -Dbenchmark_DIR="$gbench/lib/cmake/benchmark" >/dev/null
cmake --build "$build" -j "$jobs" --target bench_window >/dev/null
prefix="$(new_prefix bench)"

# The median of OpenLogInWindow in ms, from Google Benchmark's CSV.
median() {
    grep '^"OpenLogInWindow_median"' | cut -d, -f3
}
options=(--benchmark_filter=OpenLogInWindow --benchmark_repetitions="$runs"
         --benchmark_report_aggregates_only=true --benchmark_format=csv)
echo "load average (1, 5, 15 min): $(cut -d' ' -f1-3 /proc/loadavg)"
native="$("$linux/bench/bench_window" "${options[@]}" 2>/dev/null | median)"
windows="$(WINEPREFIX="$prefix" WINEPATH="$build_dlls" timeout 600 "$wine" \
    "$(find "$build" -name bench_window.exe | head -n 1)" "${options[@]}" 2>/dev/null | tr -d '\r' | median)"
echo "bench_window OpenLogInWindow, median of $runs: Linux $native ms, Windows under Wine $windows ms"
awk -v w="$windows" -v n="$native" 'BEGIN { printf "ratio Wine / Linux: %.2f\n", w / n }'
