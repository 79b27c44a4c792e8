#!/usr/bin/env bash
# Time from process start to the first paint, and peak memory, of the main
# window against a bare Qt window, alternating runs. Needs a display; on a
# machine without one: xvfb-run -a bench/startup.sh build/bench/firstpaint
set -euo pipefail
probe=${1:-build/bench/firstpaint}
runs=${2:-15}
"$probe" >/dev/null
"$probe" --bare >/dev/null
for ((i = 0; i < runs; i++)); do
    echo "window $("$probe" --since "$(date +%s%N)")"
    echo "bare   $("$probe" --bare --since "$(date +%s%N)")"
done | awk '
    { ms[$1] = ms[$1] " " $4; kib[$1] = kib[$1] " " $8 }
    function median(list,   n, a, i, j, t) {
        n = split(list, a, " ")
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END {
        w = median(ms["window"]); b = median(ms["bare"])
        wm = median(kib["window"]); bm = median(kib["bare"])
        printf "median first paint: window %.1f ms, bare %.1f ms, ratio %.2f\n", w, b, w / b
        printf "median peak memory: window %d KiB, bare %d KiB, ratio %.2f\n", wm, bm, wm / bm
    }'
