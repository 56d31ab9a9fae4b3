# shellcheck shell=bash
# Sourced by the benchmark scripts. bench_build_folder ROOT FOLDER BUILD_TYPE prints the absolute
# path of the build folder FOLDER, after configuring it (benchmarks on, that build type) when it
# is not configured yet (missing or empty).
bench_build_folder() {
    local root="$1" build="$2" type="$3"
    if [ ! -f "$build/CMakeCache.txt" ]; then
        local generator=()
        command -v ninja >/dev/null && generator=(-G Ninja)
        cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE="$type" -DOSK_BENCH=ON \
            >/dev/null
    fi
    (cd "$build" && pwd)
}
