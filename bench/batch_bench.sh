#!/usr/bin/env bash
# Pages per minute of lumivane-batch against CutyCapt and wkhtmltoimage on a generated local
# corpus served on 127.0.0.1, all in the same run; or, with --memory N, the peak memory of a
# lumivane-batch run over N rows.
#
#   bench/batch_bench.sh                 # speed: 50 pages, every tool
#   bench/batch_bench.sh --memory 500    # memory: 500 rows, --jobs of twice the cores
#   LUMIVANE_BENCH_JOBS="1 2 4" bench/batch_bench.sh   # other --jobs values (default "1 2 2xcores")
#
# lumivane-batch comes from $LUMIVANE_BIN_DIR (default build/bin). The peers are Debian's
# cutycapt, wkhtmltoimage (package wkhtmltopdf) and ImageMagick's convert; a missing peer is
# reported and left out.
set -euo pipefail
cd "$(dirname "$0")/.."

pages=50
memory_rows=0
if [ "${1:-}" = "--memory" ]; then
    memory_rows=${2:?batch_bench.sh: --memory needs a number of rows}
fi
bin=${LUMIVANE_BIN_DIR:-build/bin}
batch="$bin/lumivane-batch"
[ -x "$batch" ] || { echo "batch_bench.sh: $batch not built" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/lumivane-bench.XXXXXX")
server_pid=""
cleanup() {
    if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A corpus of ordinary pages: text, a table, CSS blocks, an inline SVG picture; every
# fifth page is tall. Nothing is fetched from outside.
make_corpus() {
    mkdir -p "$work/site"
    for i in $(seq 1 "$pages"); do
        hue=$(( i * 37 % 360 ))
        rows=""
        for r in $(seq 1 12); do rows="$rows<tr><td>$i.$r</td><td>item $r of page $i</td><td>$(( i * r ))</td></tr>"; done
        text=""
        paragraphs=$(( i % 5 == 0 ? 40 : 4 ))
        for p in $(seq 1 $paragraphs); do
            text="$text<p>Paragraph $p of page $i. The quick brown fox jumps over the lazy dog; pack my box with five dozen liquor jugs.</p>"
        done
        cat > "$work/site/page$i.html" <<PAGE
<!DOCTYPE html><html><head><meta charset="utf-8"><title>Page $i</title><style>
body{font-family:sans-serif;margin:20px;background:hsl($hue,60%,95%)}
.hero{height:120px;background:linear-gradient(90deg,hsl($hue,70%,50%),hsl($(( (hue + 90) % 360 )),70%,50%))}
table{border-collapse:collapse}td{border:1px solid #888;padding:2px 8px}</style></head>
<body><div class="hero"></div><h1>Benchmark page $i</h1>
<svg width="160" height="90"><circle cx="45" cy="45" r="40" fill="hsl($hue,80%,40%)"/><rect x="95" y="10" width="60" height="70" fill="#333"/></svg>
<table>$rows</table>$text</body></html>
PAGE
    done
}

free_port() {
    /usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()'
}

start_server() {
    local port
    port=$(free_port)
    /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 -d "$work/site" >/dev/null 2>&1 &
    server_pid=$!
    base="http://127.0.0.1:$port"
    for _ in $(seq 1 50); do
        if /usr/bin/python3 -c "import urllib.request; urllib.request.urlopen('$base/page1.html')" 2>/dev/null; then return; fi
        sleep 0.1
    done
    echo "batch_bench.sh: the corpus server did not start" >&2
    exit 2
}

now() { date +%s.%N; }
seconds_since() { echo "$(now) - $1" | bc -l; }
per_minute() { echo "scale=1; $1 * 60 / $2" | bc -l; }

# Runs "$@" once per URL of the corpus, then the box downscale; prints the seconds taken.
time_peer() {
    local name=$1; shift
    mkdir -p "$work/$name"
    local start i
    start=$(now)
    for i in $(seq 1 "$pages"); do
        "$@" "$base/page$i.html" "$work/$name/page$i.png" >/dev/null 2>&1 || true
        convert "$work/$name/page$i.png" -crop 800x600+0+0 +repage -scale '200x150!' "$work/$name/page$i.jpg" 2>/dev/null || true
    done
    seconds_since "$start"
}

cutycapt_one() { QT_QPA_PLATFORM=offscreen cutycapt --url="$1" --out="$2" --min-width=800 --min-height=600; }
wkhtmltoimage_one() { QT_QPA_PLATFORM=offscreen wkhtmltoimage -q --width 800 --height 600 "$1" "$2"; }

# --jobs as given; "2xcores" is twice the number of cores.
jobs_args() { if [ "$1" = 2xcores ]; then echo "--jobs $((2 * $(nproc)))"; else echo "--jobs $1"; fi; }

time_batch() {
    local jobs=$1 start
    start=$(now)
    # shellcheck disable=SC2046
    "$batch" --quiet --no-skip --folder "$work/lumivane-$jobs" $(jobs_args "$jobs") "$work/urls.txt" \
        2>"$work/lumivane-$jobs.log" || { cat "$work/lumivane-$jobs.log" >&2; }
    seconds_since "$start"
}

# Sums the resident memory (kB) of a process and all its descendants.
tree_rss() {
    local pid=$1 total=0 child rss
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    total=$(( total + ${rss:-0} ))
    for child in $(cat "/proc/$pid/task/"*/children 2>/dev/null); do
        total=$(( total + $(tree_rss "$child") ))
    done
    echo "$total"
}

run_memory() {
    for i in $(seq 1 "$memory_rows"); do echo "$base/page$(( (i - 1) % pages + 1 )).html?row=$i"; done > "$work/rows.txt"
    local start
    start=$(now)
    /usr/bin/time -f "%M" -o "$work/main-peak" "$batch" --quiet --jobs $((2 * $(nproc))) --folder "$work/memory" \
        --report "$work/memory.csv" "$work/rows.txt" &
    local timer=$! peak=0 samples="" rss batch_pid
    sleep 0.2
    batch_pid=$(cat "/proc/$timer/task/"*/children 2>/dev/null | awk '{print $1}')
    while kill -0 "$timer" 2>/dev/null; do
        rss=$(tree_rss "${batch_pid:-$timer}")
        [ "$rss" -gt "$peak" ] && peak=$rss
        done_rows=$(( $(wc -l < "$work/memory.csv" 2>/dev/null || echo 1) - 1 ))
        samples="$samples $done_rows:$rss"
        sleep 0.5
    done
    wait "$timer" || true
    local seconds
    seconds=$(seconds_since "$start")
    echo "rows: $memory_rows  jobs: $(( 2 * $(nproc) )) (twice the cores)  seconds: $(printf %.1f "$seconds")  successes: $(grep -c ',Success,' "$work/memory.csv")"
    echo "peak RSS of the lumivane-batch process: $(( $(cat "$work/main-peak") / 1024 )) MB"
    echo "peak RSS of its whole process tree (sampled every 0.5 s): $(( peak / 1024 )) MB"
    echo "tree RSS (MB) by rows done:"
    echo "$samples" | tr ' ' '\n' | awk -F: 'NF == 2 { printf "  %5d rows  %4d MB\n", $1, $2 / 1024 }' |
        awk 'NR % 10 == 1'
}

make_corpus
start_server
for i in $(seq 1 "$pages"); do echo "$base/page$i.html"; done > "$work/urls.txt"

if [ "$memory_rows" -gt 0 ]; then
    run_memory
    exit 0
fi

declare -A secs
declare -A folder
jobs_list=${LUMIVANE_BENCH_JOBS:-1 2 2xcores}
tools=()
for jobs in $jobs_list; do
    name="lumivane-batch --jobs $jobs"
    [ "$jobs" = 2xcores ] && name="lumivane-batch --jobs $(( 2 * $(nproc) )) (twice the cores)"
    secs[$name]=$(time_batch "$jobs")
    folder[$name]="$work/lumivane-$jobs"
    tools+=("$name")
done
folder[cutycapt + convert]="$work/cutycapt"
folder[wkhtmltoimage + convert]="$work/wkhtmltoimage"
peers=()
if command -v cutycapt >/dev/null && command -v convert >/dev/null; then
    secs[cutycapt + convert]=$(time_peer cutycapt cutycapt_one); peers+=("cutycapt + convert")
else
    echo "cutycapt or convert missing: left out" >&2
fi
if command -v wkhtmltoimage >/dev/null && command -v convert >/dev/null; then
    secs[wkhtmltoimage + convert]=$(time_peer wkhtmltoimage wkhtmltoimage_one); peers+=("wkhtmltoimage + convert")
else
    echo "wkhtmltoimage or convert missing: left out" >&2
fi

fastest_peer=""
for peer in "${peers[@]}"; do
    if [ -z "$fastest_peer" ] || [ "$(echo "${secs[$peer]} < ${secs[$fastest_peer]}" | bc -l)" = 1 ]; then
        fastest_peer=$peer
    fi
done
echo "$pages local pages, 800x600 capture, 200x150 thumbnail, $(nproc) cores"
printf '%-34s %8s %10s %15s %11s\n' tool seconds pages/min "x fastest peer" thumbnails
for tool in "${tools[@]}" "${peers[@]}"; do
    rate=$(per_minute "$pages" "${secs[$tool]}")
    ratio="-"
    if [ -n "$fastest_peer" ]; then
        ratio=$(echo "scale=2; ${secs[$fastest_peer]} / ${secs[$tool]}" | bc -l)
    fi
    made=$(find "${folder[$tool]}" -name '*.jpg' -size +0 | wc -l)
    printf '%-34s %8.1f %10s %15s %11s\n' "$tool" "${secs[$tool]}" "$rate" "$ratio" "$made/$pages"
done
