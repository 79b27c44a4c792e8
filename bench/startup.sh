#!/usr/bin/env bash
# Time from process start to the first paint, and peak memory, of the main
# window against the text floor (a window of the same size showing the same
# texts in the same fonts), the controls floor (the same texts and pictures in
# plain Qt controls, doing nothing else) and a bare Qt window, in turn. Needs a
# display; on a machine without one:
#   xvfb-run -a bench/startup.sh build/bench/firstpaint [runs]
set -euo pipefail
probe=${1:-build/bench/firstpaint}
runs=${2:-15}
"$probe" >/dev/null
"$probe" --text >/dev/null
"$probe" --controls >/dev/null
"$probe" --bare >/dev/null
for ((i = 0; i < runs; i++)); do
    echo "window $("$probe" --since "$(date +%s%N)")"
    echo "text   $("$probe" --text --since "$(date +%s%N)")"
    echo "controls $("$probe" --controls --since "$(date +%s%N)")"
    echo "bare   $("$probe" --bare --since "$(date +%s%N)")"
done | awk '
    { ms[$1] = ms[$1] " " $4; kib[$1] = kib[$1] " " $8 }
    function median(list,   n, a, i, j, t) {
        n = split(list, a, " ")
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END {
        w = median(ms["window"]); t = median(ms["text"]); c = median(ms["controls"]); b = median(ms["bare"])
        wm = median(kib["window"]); tm = median(kib["text"]); cm = median(kib["controls"]); bm = median(kib["bare"])
        printf "median first paint: window %.1f ms, text floor %.1f ms, controls floor %.1f ms, bare %.1f ms; window / text floor %.3f, controls floor / text floor %.3f\n", w, t, c, b, w / t, c / t
        printf "median peak memory: window %d KiB, text floor %d KiB, controls floor %d KiB, bare %d KiB; window / text floor %.3f, controls floor / text floor %.3f\n", wm, tm, cm, bm, wm / tm, cm / tm
    }'
