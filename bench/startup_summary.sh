# SPDX-License-Identifier: MIT
# The table both start-up benchmarks print; source it.
#   startup_summary RUNS OURS BARE BASELINE MEMORY
# OURS and BARE hold a line "milliseconds kibibytes" per run; BASELINE names the bare program and
# MEMORY what the second column measures. Prints the fastest and the median run of each, and the
# ratios.
startup_summary() {
    local runs=$1 ours=$2 bare=$3 baseline=$4 memory=$5
    # column FILE N: the Nth column of FILE, sorted
    column() { cut -d' ' -f"$2" "$1" | sort -n; }
    fastest() { head -n 1; }
    median() { awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
    printf '%-30s %12s %12s %8s\n' "start-up, $runs runs each" "Tenvex" "$baseline" "ratio"
    local what statistic
    for what in "time to window shown:1:ms" "$memory:2:KiB"; do
        IFS=: read -r label field unit <<<"$what"
        for statistic in fastest median; do
            awk -v a="$(column "$ours" "$field" | $statistic)" -v b="$(column "$bare" "$field" | $statistic)" \
                -v label="$label, $statistic" -v unit="$unit" \
                'BEGIN { printf "%-30s %9.1f %-2s %9.1f %-2s %8.3f\n", label, a, unit, b, unit, a / b }'
        done
    done
}
