#!/usr/bin/env bash
# Batch import throughput: the reader corpus copied up to COUNT files, imported with --create
# into a demo catalogue of 10,000 performers (new files), then again (unchanged files). Runs
# once with a quarter of the files too, so that peak memory can be compared across sizes.
#   bench/import/import.sh [COUNT] [build-dir]        (default 20000)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
count=${1:-20000}
build=${2:-$root/build}
cli="$build/src/app/vintora-cli"
[ -x "$cli" ] || "$root/scripts/build.sh"
"$root/scripts/install-deps.sh" "$root/bench/packages.txt" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VINTORA_LOG_DIR="$work"

run() { # files
  local n=$1 dir="$work/corpus$1" url="sqlite://$work/c$1.db"
  "$root/bench/audio/make_corpus.sh" "$dir" "$n" >/dev/null
  "$cli" demo --db "$url" --performers 10000 >/dev/null
  for pass in new unchanged; do
    local t0 t1 mem
    t0=$(date +%s.%N)
    /usr/bin/time -f "%M" -o "$work/mem" "$cli" import --db "$url" --create "$dir" >/dev/null 2>&1 || true
    mem=$(tail -1 "$work/mem")
    t1=$(date +%s.%N)
    echo "$n files, $pass: $(echo "scale=0; $n / ($t1 - $t0)" | bc) files/s, peak memory $mem KiB"
  done
  echo "integrity_check: $(sqlite3 "$work/c$n.db" 'PRAGMA integrity_check')"
  rm -rf "$dir"
}
run $((count / 4))
run "$count"
