#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The conversion beside its floor (the standard library's reading and writing and the two
# scalings) in one benchmark binary: every pair's median over repetitions run in random order,
# and their ratio, for the six typical inputs together and for each input alone.
#   bench/conversion.sh BUILD_DIR [REPETITIONS]
set -euo pipefail
build=$1 repetitions=${2:-21}
"$build/bench/bench_conversion" --benchmark_filter='^Convert' \
    --benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null \
    | awk -F, -v inputs='1,2.5,1234.5678,-0.000123,6.02214076e23,3.14159265358979,1,2.5,-0.001,6.02e23' '
        BEGIN { split(inputs, input, ",") }
        $1 ~ /_median"$/ {
            name = $1; gsub(/"|_median/, "", name)
            split(name, part, "/")
            median[part[1] "/" part[2]] = $4 # cpu_time
        }
        END {
            printf "%-36s %10s %10s %8s\n", "median of " '"$repetitions"' " (ns)", "Tenvex", "floor", "ratio"
            printf "%-36s %10.1f %10.1f %8.3f\n", "six typical inputs together",
                median["ConvertAllTenvex/"], median["ConvertAllFloor/"],
                median["ConvertAllTenvex/"] / median["ConvertAllFloor/"]
            for (i = 0; i < 10; ++i) {
                ours = median["ConvertQuantityTenvex/" i]; floor_ = median["ConvertQuantityFloor/" i]
                printf "%-36s %10.1f %10.1f %8.3f\n", (i < 6 ? "typical " : "typed ") input[i + 1],
                    ours, floor_, ours / floor_
            }
        }'
