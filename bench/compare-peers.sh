#!/usr/bin/env bash
# The graph of a full log (19999 records, the 19 drawn columns, 1600 x 900) made from the command
# line: osk-graphs-render against gnuplot's PNG terminal, each timed by hyperfine, and the ratio
# of their medians. Then the full log opened and drawn through the real window, against the
# drawing code's own redraw onto a surface that draws nothing.
#
#   bench/compare-peers.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${OSK_BENCH_RUNS:-10}"

# A build folder that is not configured yet is configured first, for timing: Release.
. "$root/bench/build-folder.sh"
build="$(bench_build_folder "$root" "${1:-$root/build}" Release)"

cmake --build "$build" --target osk-genlog osk-graphs-render bench_window bench_redraw >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/bin/osk-genlog" --records 19999 -o "$work/log.csv"

# The same columns the window draws with every series on, as lines against the record time.
cat >"$work/plot.gp" <<GNUPLOT
set terminal pngcairo size 1600,900
set output '$work/gnuplot.png'
set datafile separator ','
set xdata time
set timefmt '%Y-%m-%d %H:%M:%S'
set key outside right
plot for [c in "10 6 7 8 20 15 11 12 13 21 18 17 16 24 22 23 25 29 30"] '$work/log.csv' \
    every ::1 using 4:(column(int(c))) with lines title 'column '.c
GNUPLOT

render="$build/bin/osk-graphs-render $work/log.csv -o $work/render.png --size 1600x900"
render+=" --groups product,ph,flow,cell --subitems --span 192 --grid-x 4h"

# The machine may be shared: the load beside the figures says how far to trust them.
loadavg() { echo "load average (1, 5, 15 min): $(cut -d' ' -f1-3 /proc/loadavg)"; }

echo "== one PNG of the full log, end to end ($runs runs each)"
loadavg
hyperfine --warmup 1 --runs "$runs" --export-json "$work/peers.json" \
    -n osk-graphs-render "$render" -n gnuplot "gnuplot $work/plot.gp"

loadavg
echo "== the full log opened and drawn through the window (offscreen), against the engine alone"
"$build/bench/bench_window" --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=true --benchmark_format=json >"$work/window.json"
"$build/bench/bench_redraw" --benchmark_filter='RedrawNull/1200' \
    --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
    --benchmark_format=json >"$work/engine.json"

python3 - "$work" <<'PYTHON'
import json, sys
work = sys.argv[1]
peers = {r["command"]: r["median"] for r in json.load(open(f"{work}/peers.json"))["results"]}
tool, gnuplot = peers["osk-graphs-render"], peers["gnuplot"]
print(f"median osk-graphs-render {tool * 1000:.1f} ms, gnuplot {gnuplot * 1000:.1f} ms: "
      f"osk-graphs-render is {gnuplot / tool:.1f}x faster (goal: 20x)")

def medians(path):
    out = {}
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") == "median":
            out[b["run_name"]] = b["real_time"]  # milliseconds
    return out

window = medians(f"{work}/window.json")
engine = medians(f"{work}/engine.json")["RedrawNull/1200"]
for name, ms in sorted(window.items()):
    print(f"median {name} {ms:.1f} ms = {ms / engine:.1f}x the engine's redraw ({engine:.1f} ms)")
PYTHON
