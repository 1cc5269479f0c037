#!/usr/bin/env bash
# Builds and runs the benchmarks against their peers, and prints each peer's time as a
# multiple of ours (the ratio is what to compare across machines).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQZ_BUILD_BENCH=ON -DQZ_BUILD_TESTS=OFF \
  -DQZ_BUILD_VIEWER=OFF
cmake --build build-bench -j"$(nproc)" --target command_file_bench
build-bench/bench/command_file_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_out=build-bench/bench.json \
  --benchmark_out_format=json
python3 - build-bench/bench.json <<'PY'
import json, sys
runs = {b["run_name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
ours = runs["Ours"]
for name, t in runs.items():
    print(f"{name:10s} {t/1000:8.2f} us   {t/ours:5.1f} x ours")
PY
