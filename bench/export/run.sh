#!/usr/bin/env bash
# Pages per second of a full web export of a demo catalogue with every object marked, beside
# Hugo building a site of as many pages of about the same size, and the peak memory of both.
# Also takes screenshots of a performer and an album page with headless Chromium.
#   bench/export/run.sh   (PERFORMERS=10000, BUILD=build-bench-export, OUT=bench/export/out,
#                          ARTEFACTS=bench/export/artefacts: the two screenshots kept in the repository)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${BUILD:-$repo/build-bench-export}
performers=${PERFORMERS:-10000}
out=${OUT:-$here/out}
artefacts=${ARTEFACTS:-$here/artefacts}
mkdir -p "$out" "$artefacts"

"$repo/scripts/install-deps.sh" "$repo/bench/packages.txt"
if [ ! -x "$build/src/app/vintora-cli" ]; then
  cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
  cmake --build "$build" --target vintora-cli -j2
fi
cli=$build/src/app/vintora-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config   # no stored parameters: the shipped templates serve

peak() { sed -n 's/.*Maximum resident set size (kbytes): //p' "$1"; }
elapsed() { python3 -c "import sys; p=sys.argv[1].split(':'); print(sum(float(x)*60**i for i,x in enumerate(reversed(p))))" \
  "$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$1")"; }

run_export() { # performers, site folder; prints "pages seconds rss_kb"
  local n=$1 site=$2 db=$work/demo$1.db
  "$cli" demo --db "sqlite://$db" --performers "$n" --seed 7 > /dev/null
  /usr/bin/time -v -o "$work/export$n.time" "$cli" export --db "sqlite://$db" --site "$site" --limit 100000000 \
    > "$work/export$n.log"
  local pages
  pages=$(find "$site" -name '*.htm' | wc -l)
  echo "$pages $(elapsed "$work/export$n.time") $(peak "$work/export$n.time")"
}

small=$((performers / 4))
read -r spages ssec srss < <(run_export "$small" "$work/site$small")
read -r pages sec rss < <(run_export "$performers" "$work/site")
python3 "$here/checksite.py" "$work/site" | head -3
avg=$(( $(find "$work/site" -name '*.htm' -printf '%s\n' | awk '{s+=$1} END {print int(s)}') / pages ))
body=$(( avg > 3500 ? avg - 3500 : 500 ))   # the shipped template carries about 3.5 KB of style sheet

python3 "$here/makehugo.py" "$work/hugo" "$pages" "$body"
/usr/bin/time -v -o "$work/hugo.time" hugo --source "$work/hugo" --destination "$work/hugo/public" --quiet
hpages=$(find "$work/hugo/public" -name '*.html' | wc -l)
hsec=$(elapsed "$work/hugo.time")
hrss=$(peak "$work/hugo.time")

rate() { python3 -c "print(f'{$1 / max($2, 0.001):.0f}')"; }
echo
printf '%-34s %8s %9s %12s %10s\n' "run" "pages" "seconds" "pages/s" "peak MB"
printf '%-34s %8d %9.2f %12s %10d\n' "export, $small performers" "$spages" "$ssec" "$(rate "$spages" "$ssec")" $((srss / 1024))
printf '%-34s %8d %9.2f %12s %10d\n' "export, $performers performers" "$pages" "$sec" "$(rate "$pages" "$sec")" $((rss / 1024))
printf '%-34s %8d %9.2f %12s %10d\n' "hugo, same number of pages" "$hpages" "$hsec" "$(rate "$hpages" "$hsec")" $((hrss / 1024))
echo "average exported page: $avg bytes"

# Screenshots of the richest performer page (not a redirect) and album page.
# The largest performer page is one with a long discography (redirects and placeholders are small).
# (awk reads to the end: with pipefail, head would end the script through sort's SIGPIPE.)
largest() { find "$work/site" -name "$1" -printf '%s %p\n' | sort -rn | awk 'NR == 1 {print $2}'; }
perf=$(largest 'prf*.htm')
album=$(largest 'alb*.htm')
for pair in "performer:$perf" "album:$album"; do
  name=${pair%%:*} file=${pair#*:}
  [ -n "$file" ] || continue
  chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1024,1280 \
    --screenshot="$artefacts/$name.png" "file://$file" > /dev/null 2>&1 || echo "screenshot of $name failed"
  cp "$file" "$out/$name.htm"
done
ls -la "$artefacts"
