# SPDX-License-Identifier: MIT
# The table both start-up benchmarks print; source it.
#   startup_summary RUNS OURS BARE BASELINE MEMORY
# OURS and BARE hold a line "milliseconds kibibytes" per run; BASELINE names the bare program and
# MEMORY what the second column measures. Prints the medians and their ratios.
startup_summary() {
    local runs=$1 ours=$2 bare=$3 baseline=$4 memory=$5 time_ours time_bare memory_ours memory_bare
    median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
    read -r time_ours < <(cut -d' ' -f1 "$ours" | median)
    read -r time_bare < <(cut -d' ' -f1 "$bare" | median)
    read -r memory_ours < <(cut -d' ' -f2 "$ours" | median)
    read -r memory_bare < <(cut -d' ' -f2 "$bare" | median)
    printf '%-22s %12s %12s %8s\n' "start-up, $runs runs" "Tenvex" "$baseline" "ratio"
    awk -v a="$time_ours" -v b="$time_bare" \
        'BEGIN { printf "%-22s %9.1f ms %9.1f ms %8.3f\n", "time to window shown", a, b, a / b }'
    awk -v a="$memory_ours" -v b="$memory_bare" -v what="$memory" \
        'BEGIN { printf "%-22s %8d KiB %8d KiB %8.3f\n", what, a, b, a / b }'
}
