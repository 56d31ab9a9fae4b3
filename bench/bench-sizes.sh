#!/usr/bin/env bash
# Logs far longer than the record table, each size in a process of its own (peak memory is
# process-wide): the log opened and drawn through the real window, and one real-time refresh of a
# "Realtime.csv" of that size. Prints per size the median time and the growth of the process's
# peak resident memory from before the log was first read, against the full log's.
#
#   bench/bench-sizes.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${OSK_BENCH_RUNS:-10}"

# A build folder that is not configured yet is configured first: optimised, with debug
# information.
. "$root/bench/build-folder.sh"
build="$(bench_build_folder "$root" "${1:-$root/build}" RelWithDebInfo)"
cmake --build "$build" --target bench_sizes >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The generated logs go to the benchmark's own temporary folder and are removed with it. Qt's
# notices on standard error are shown only when the benchmark fails.
measure() { # name, then bench_sizes options
    local name="$1"
    shift
    if ! "$build/bench/bench_sizes" "$@" --benchmark_repetitions="$runs" \
        --benchmark_report_aggregates_only=true --benchmark_format=json \
        >"$work/$name.json" 2>"$work/$name.err"; then
        cat "$work/$name.err" >&2
        echo "bench_sizes $* failed" >&2
        exit 1
    fi
}

echo "load average (1, 5, 15 min) before: $(cut -d' ' -f1-3 /proc/loadavg)"
for size in 19999 100MB 1200MB; do
    measure "open-$size" --size="$size"
done
for size in 19999 25000 100MB 1200MB; do
    measure "refresh-$size" --size="$size" --realtime
done
echo "load average (1, 5, 15 min) after: $(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$work" "$runs" <<'PYTHON'
import json, sys
work, runs = sys.argv[1], sys.argv[2]

def median(name):
    entries = json.load(open(f"{work}/{name}.json"))["benchmarks"]
    for b in entries:
        if b.get("error_occurred"):
            sys.exit(f"{name}: {b.get('error_message')}")
    for b in entries:
        if b.get("aggregate_name") == "median":
            return b
    sys.exit(f"{name}: no median in the benchmark's output")

def table(title, kind, sizes):
    print(f"== {title} (median of {runs} runs)")
    print(f"{'size':<32}{'median ms':>10}{'cpu ms':>8}{'peak RSS MB':>13}{'x first':>9}"
          f"{'cpu x':>7}{'RSS +MB':>9}{'prompts':>9}")
    rows = [median(f"{kind}-{size}") for size in sizes]
    base = rows[0]
    met = {"wall": True, "cpu": True}
    for row in rows:
        label = f"{row['file_MB']:.1f} MB ({int(row['file_records'])} records)"
        ratio = row["real_time"] / base["real_time"]
        cpu_ratio = row["cpu_time"] / base["cpu_time"]
        extra = row["peak_rss_growth_MB"] - base["peak_rss_growth_MB"]
        met["wall"] = met["wall"] and ratio <= 1.5 and extra <= 10
        met["cpu"] = met["cpu"] and cpu_ratio <= 1.5 and extra <= 10
        print(f"{label:<32}{row['real_time']:>10.1f}{row['cpu_time']:>8.1f}"
              f"{row['peak_rss_growth_MB']:>13.1f}{ratio:>9.2f}{cpu_ratio:>7.2f}{extra:>+9.1f}"
              f"{row['prompts']:>9.2f}")
    print("goal (each within 1.5x of the first and its peak RSS + 10 MB):",
          ", ".join(f"{'met' if ok else 'NOT met'} by {how} time" for how, ok in met.items()))

table("the log opened and drawn through the window", "open", ["19999", "100MB", "1200MB"])
table("one real-time refresh of Realtime.csv", "refresh", ["19999", "25000", "100MB", "1200MB"])
print("median ms: wall time; x first, cpu x: wall and CPU time against the first row's;"
      " peak RSS MB: growth of VmHWM from before the log was first read;"
      " prompts: messages and questions per open or refresh, answered at once")
PYTHON
