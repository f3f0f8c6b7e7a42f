#!/usr/bin/env bash
# Batch import throughput: the reader corpus copied up to COUNT files, imported with --create
# into a demo catalogue of 10,000 performers (new files), then again (unchanged files). Runs
# with a quarter of the files too, so that peak memory can be compared across sizes. Each size
# is measured REPEAT times (default 2) on a fresh copy of the same catalogue; besides the wall
# clock the CPU seconds are printed, which a busy machine disturbs less.
#   bench/import/import.sh [COUNT] [build-dir]        (default 20000)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
count=${1:-20000}
build=${2:-$root/build}
repeat=${REPEAT:-2}
cli="$build/src/app/vintora-cli"
[ -x "$cli" ] || "$root/scripts/build.sh"
"$root/scripts/install-deps.sh" "$root/bench/packages.txt" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VINTORA_LOG_DIR="$work"

# One corpus of COUNT files; the smaller one links the first quarter of it.
"$root/bench/audio/make_corpus.sh" "$work/corpus$count" "$count" >/dev/null
small=$((count / 4))
mkdir -p "$work/corpus$small"
files=("$work/corpus$count"/*.mp3)
ln "${files[@]:0:$small}" "$work/corpus$small/"
"$cli" demo --db "sqlite://$work/demo.db" --performers 10000 >/dev/null

pass() { # files corpus url name expected-processed
  local n=$1 dir=$2 url=$3 name=$4 expected=$5
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$cli" import --db "$url" --create "$dir" >"$work/out" 2>&1 || true
  read -r wall user sys mem <"$work/time"
  grep -q "обработано $expected," "$work/out" || { echo "unexpected summary:"; grep -m1 "Файлов" "$work/out"; }
  printf '%6d files, %-9s %6.0f files/s (%5.2f s), CPU %5.2f s, peak memory %d KiB\n' \
    "$n" "$name:" "$(echo "$n / $wall" | bc -l)" "$wall" "$(echo "$user + $sys" | bc -l)" "$mem"
}

for n in "$small" "$count"; do
  for ((r = 1; r <= repeat; r++)); do
    db="$work/c$n.db"
    rm -f "$db" "$db-wal" "$db-shm"
    cp "$work/demo.db" "$db"
    pass "$n" "$work/corpus$n" "sqlite://$db" new "$n"
    pass "$n" "$work/corpus$n" "sqlite://$db" unchanged 0
    echo "        integrity_check: $(sqlite3 "$db" 'PRAGMA integrity_check'), unfinished folders: $(sqlite3 "$db" 'SELECT COUNT(*) FROM MpegScanNoDone')"
  done
done
