#!/usr/bin/env bash
# Times "vintora-cli init" and "vintora-cli demo --performers N" on a fresh SQLite catalogue and
# checks the result with PRAGMA integrity_check. Usage: bench/catalogue/demo.sh [N] [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
n=${1:-10000}
build=${2:-$root/build}
cli="$build/src/app/vintora-cli"
[ -x "$cli" ] || "$root/scripts/build.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
url="sqlite://$work/demo.db"
start=$(date +%s.%N)
"$cli" init --db "$url" >/dev/null
/usr/bin/time -f "peak memory: %M KiB" "$cli" demo --db "$url" --performers "$n"
end=$(date +%s.%N)
echo "init + demo: $(echo "$end - $start" | bc) s"
echo "catalogue size: $(du -h "$work/demo.db" | cut -f1)"
if command -v sqlite3 >/dev/null; then
  echo "integrity_check: $(sqlite3 "$work/demo.db" 'PRAGMA integrity_check')"
  echo "foreign_key_check rows: $(sqlite3 "$work/demo.db" 'PRAGMA foreign_key_check' | wc -l)"
fi
