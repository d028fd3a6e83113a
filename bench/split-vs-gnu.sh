#!/usr/bin/env bash
# Splits a 1 GiB CRLF text of GBK lines with tarvolin-split -s 1000 and with
# GNU split -C 1024000 (the same chunk of 1,024,000 bytes), interleaved over
# several rounds, both writing to the same disk, and prints the ratio of their
# median wall times and each one's peak memory.
#   bench/split-vs-gnu.sh [ROUNDS]   (default 9)
# On a shared or virtual machine single runs vary a lot; the median of many
# interleaved rounds, and the fastest run of each, are what to compare.
# BENCH_DIR (default build/bench) holds the text and the parts; TARVOLIN_SPLIT
# names the program (default: the native build's, made when it is missing).
# Goals: ratio at most 1.0; peak memory at most 2 chunks + 16 MiB.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-9}
work=${BENCH_DIR:-$root/build/bench}
size=$((1 << 30))
chunk=1024000
splitter=${TARVOLIN_SPLIT:-$root/build/native/cli/tarvolin-split}

if [ ! -x "$splitter" ] && [ -z "${TARVOLIN_SPLIT:-}" ]; then
  cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release -Wno-dev >/dev/null
  cmake --build "$root/build/native" --target tarvolin-split >/dev/null
fi
mkdir -p "$work"
source_file=$work/book.txt
if [ "$(stat -c %s "$source_file" 2>/dev/null || echo 0)" != "$size" ]; then
  echo "Generating $source_file ($size bytes)..."
  python3 "$root/bench/make-gbk-text.py" "$source_file" "$size"
fi
cat "$source_file" >/dev/null  # both start from a warm page cache

# run NAME COMMAND...: one timed run into a fresh $work/out; appends
# "seconds peak-KiB" to $work/NAME.times.
run() {
  local name=$1
  shift
  rm -rf "$work/out"
  mkdir "$work/out"
  sync
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$work/$name.peak" "$@" >/dev/null
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(cat "$work/$name.peak")" >>"$work/$name.times"
}

tarvolin() { run tarvolin "$splitter" -s 1000 -o "$work/out" "$source_file"; }
gnu() { run gnu split -C "$chunk" "$source_file" "$work/out/x"; }

rm -f "$work"/*.times
for ((round = 1; round <= rounds; round++)); do
  if ((round % 2)); then tarvolin; gnu; else gnu; tarvolin; fi
done

# Once more, untimed, to check the parts.
rm -rf "$work/out"
mkdir "$work/out"
"$splitter" -s 1000 -o "$work/out" "$source_file" >/dev/null
parts=$(ls "$work/out" | wc -l)
ls "$work/out" | sort -V | sed "s|^|$work/out/|" | xargs cat | cmp - "$source_file"
echo "tarvolin-split wrote $parts parts; joined they give back the source."

median() { cut -d' ' -f1 "$1" | sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
fastest() { cut -d' ' -f1 "$1" | sort -n | head -1; }
peak() { cut -d' ' -f2 "$1" | sort -n | tail -1; }
awk -v t="$(median "$work/tarvolin.times")" -v g="$(median "$work/gnu.times")" \
    -v tf="$(fastest "$work/tarvolin.times")" -v gf="$(fastest "$work/gnu.times")" \
    -v tp="$(peak "$work/tarvolin.times")" -v gp="$(peak "$work/gnu.times")" \
    -v rounds="$rounds" -v chunk="$chunk" 'BEGIN {
  printf "1 GiB CRLF GBK text, chunk %d bytes, %d rounds interleaved\n", chunk, rounds
  printf "  tarvolin-split -s 1000:   median %.3f s, fastest %.3f s, peak memory %.1f MiB\n", t / 1e6, tf / 1e6, tp / 1024
  printf "  split -C %d:         median %.3f s, fastest %.3f s, peak memory %.1f MiB\n", chunk, g / 1e6, gf / 1e6, gp / 1024
  printf "  ratio of median wall times (tarvolin/GNU): %.2f (goal <= 1.0); of the fastest: %.2f\n", t / g, tf / gf
  printf "  memory goal (2 chunks + 16 MiB = %.1f MiB): %s\n", (2 * chunk) / 1048576 + 16,
         tp / 1024 <= (2 * chunk) / 1048576 + 16 ? "met" : "NOT met"
}'
rm -rf "$work/out"
