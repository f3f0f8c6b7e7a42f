#!/usr/bin/env bash
# Makes a folder of real MP3 files for bench_audio_readers with Debian's lame, ffmpeg, mid3v2 and
# eyeD3: CBR, VBR, ABR, MPEG-2 and 2.5, mono, ID3v1 only (Latin and Windows-1251 Cyrillic),
# ID3v2.3 UTF-16, ID3v2.4 UTF-8, cover pictures, lyrics, Cyrillic texts, no tag.
# A few dozen distinct encodes are made, then copied under new names up to COUNT files.
#
#   bench/audio/make_corpus.sh OUTDIR [COUNT]      (default 2000)
set -euo pipefail
out=${1:?usage: make_corpus.sh OUTDIR [COUNT]}
count=${2:-2000}
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/install-deps.sh" "$root/bench/packages.txt"

mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
base="$work/base"
mkdir -p "$base"

q() { "$@" >/dev/null 2>&1; }
cover="$work/cover.jpg"
q ffmpeg -nostdin -f lavfi -i "nullsrc=s=600x600,geq=random(1)*255:128:128" -frames:v 1 -q:v 3 -y "$cover"
printf 'Группа крови на рукаве,\nмой порядковый номер на рукаве.\n' > "$work/lyrics.txt"

n=0
for dur in 6 17 41; do
  wav="$work/src$dur.wav"
  mono="$work/mono$dur.wav"
  q ffmpeg -nostdin -f lavfi -i "sine=f=220:d=$dur" -f lavfi -i "anoisesrc=d=$dur:a=0.05" \
    -filter_complex "[0][1]amix=inputs=2,aformat=channel_layouts=stereo" -ar 44100 -y "$wav"
  q ffmpeg -nostdin -i "$wav" -ac 1 -y "$mono"
  p="$base/$dur"

  # CBR, lame's own ID3v2.3 and ID3v1 tags (Latin-1).
  q lame --quiet -b 128 --add-id3v2 --tt "Blood Type $dur" --ta "Kino" --tl "Gruppa krovi" --ty 1988 \
    --tn 1/11 --tg Rock "$wav" "$p-cbr128-lame-tags.mp3"
  # CBR 320 kbit/s at 48 kHz, no Xing/Info frame, ID3v2.4 from mid3v2.
  q ffmpeg -nostdin -i "$wav" -ar 48000 -y "$work/w48.wav"
  q lame --quiet -b 320 -t "$work/w48.wav" "$p-cbr320-48k.mp3"
  q mid3v2 -t "Звезда по имени Солнце" -a "Кино" -A "Звезда по имени Солнце" -y 1989 -T 3/12 -g "(17)" "$p-cbr320-48k.mp3"
  # VBR, ID3v2.4 UTF-8 from eyeD3.
  q lame --quiet -V2 "$wav" "$p-vbr-v2-utf8.mp3"
  q eyeD3 --to-v2.4 --encoding utf8 -t "Кукушка $dur" -a "Виктор Цой" -A "Чёрный альбом" -n 4 -G Rock -Y 1990 \
    "$p-vbr-v2-utf8.mp3"
  # VBR mono, ID3v2.3 UTF-16 with lyrics.
  q lame --quiet -V5 -m m "$mono" "$p-vbr-v5-mono-utf16.mp3"
  q eyeD3 --to-v2.3 --encoding utf16 -t "Песня без слов" -a "Аквариум" -A "Радио Африка" -n 7 -G Pop -Y 1983 \
    --add-lyrics "$work/lyrics.txt:desc:rus" "$p-vbr-v5-mono-utf16.mp3"
  # ABR with a cover picture and a composer.
  q lame --quiet --abr 160 "$wav" "$p-abr160-cover.mp3"
  q eyeD3 --to-v2.3 --encoding utf16 -t "Cover $dur" -a "DDT" -A "Актриса весна" --composer "Юрий Шевчук" \
    --add-image "$cover:FRONT_COVER" "$p-abr160-cover.mp3"
  # MPEG-2 and MPEG-2.5.
  q lame --quiet -b 64 --resample 22.05 --add-id3v2 --tt "MPEG two" --ta "Artist" --tn 2 "$wav" "$p-mpeg2-64k.mp3"
  q lame --quiet -V6 --resample 11.025 -m m "$mono" "$p-mpeg25-mono-vbr.mp3"
  q mid3v2 -t "Low rate" -a "Пикник" -T A1 "$p-mpeg25-mono-vbr.mp3"
  # ID3v1 only: Latin from lame, Windows-1251 Cyrillic written by hand.
  q lame --quiet -b 128 -m m --id3v1-only --tt "Only version one" --ta "Artist" --tl "Album" --ty 1999 --tn 5 \
    --tg Jazz "$mono" "$p-id3v1-only.mp3"
  q lame --quiet -b 96 "$wav" "$p-id3v1-cp1251.mp3"
  python3 - "$p-id3v1-cp1251.mp3" <<'PY'
import sys
f = lambda s, n: s.encode("cp1251")[:n].ljust(n, b"\0")
tag = b"TAG" + f("Перемен", 30) + f("Кино", 30) + f("Последний герой", 30) + f("1989", 4) + bytes(28) + b"\0\x09\x11"
open(sys.argv[1], "ab").write(tag)
PY
  # No tag at all, CBR with lame's Info frame.
  q lame --quiet -b 192 "$wav" "$p-no-tag.mp3"
  # ffmpeg's own encoder settings and tags (ID3v2.4).
  q ffmpeg -nostdin -i "$wav" -c:a libmp3lame -b:a 224k -metadata title="Ffmpeg $dur" -metadata artist="Наутилус" \
    -metadata album="Разлука" -metadata date=1986 -metadata track=9 -y "$p-ffmpeg-224k.mp3"
  # ID3v2.3 and ID3v1 together, written by eyeD3.
  q lame --quiet -V4 "$wav" "$p-vbr-v4-both-tags.mp3"
  q eyeD3 --to-v2.3 -t "Both tags" -a "Artist" -A "Album" -n 6 -Y 2003 "$p-vbr-v4-both-tags.mp3"
  q eyeD3 --to-v1.1 "$p-vbr-v4-both-tags.mp3" || true
  q eyeD3 -1 -t "Both tags" -a "Artist" -A "Album" -n 6 "$p-vbr-v4-both-tags.mp3"
done

bases=("$base"/*.mp3)
echo "${#bases[@]} distinct encodes"
i=0
while [ "$i" -lt "$count" ]; do
  src=${bases[$((i % ${#bases[@]}))]}
  cp "$src" "$out/$(printf '%05d' "$i")-$(basename "$src")"
  i=$((i + 1))
done
echo "$count files in $out"
