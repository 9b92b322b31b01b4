#!/usr/bin/env bash
# The figures of `make bench`, section by section. Each section prints its
# own lines; a later section may be appended below the last.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/bin
work=$root/build/bench
mkdir -p "$work"

section() { printf '\n== %s\n' "$1"; }

# --- Payload codec -----------------------------------------------------------
# A corpus like the updater's payloads: two 32-bit Windows executables of about
# 0.5 and 2.5 MB (Wine's own i386 DLLs, stripped) and a ~110 KB game data file.
section "Payload codec"

wine_dlls=/usr/lib/i386-linux-gnu/wine/i386-windows
objcopy=$(command -v i686-w64-mingw32-objcopy || command -v objcopy)
corpus=()
for dll in wininet.dll wined3d.dll; do
  if [ -f "$wine_dlls/$dll" ]; then
    "$objcopy" --strip-all "$wine_dlls/$dll" "$work/$dll"
    corpus+=("$work/$dll")
  else
    echo "bench: $wine_dlls/$dll is missing (is Wine installed?); left out of the corpus"
  fi
done

# Game data: an index of records, script lines in code page 932 with recurring
# commands, and noise standing for compressed pictures; the same bytes each run.
python3 - "$work/game_data.pak" <<'PY'
import random, struct, sys
rng = random.Random(20240601)
out = bytearray(b"PAK1")
for i in range(300):
    out += struct.pack("<IIHH", i * 389, rng.randrange(1 << 16), i % 17, 0)
names = ["ミルフェザ", "アリシア", "ゲート", "村長"]
for i in range(700):
    line = "@face %s %d\r\n「%s……」\r\n" % (rng.choice(names), rng.randrange(12), rng.choice(names) * rng.randrange(1, 3))
    out += line.encode("cp932")
out += rng.randbytes(110_000 - len(out))
open(sys.argv[1], "wb").write(out)
PY
corpus+=("$work/game_data.pak")

echo "payload-pack bench (decode and memcpy in memory, fastest of 15 runs):"
"$bin/payload-pack" bench "${corpus[@]}"
echo
echo "optimal against greedy longest-match parse (target: corpus optimal/greedy <= 0.94):"
"$root/build/host/bench/compare-parses" "${corpus[@]}"
echo
echo "targets: decode_mb_s >= 1500 on the executables; pack_s_per_mb <= 1"

# --- Update under Wine -------------------------------------------------------
# The update itself, from the start of RunUpdate to its return, with the three
# real-size sample payloads, and the updater's size beyond its payloads.
section "Update under Wine"

game=$work/update-game
rm -rf "$game" && mkdir -p "$game"
"$root/scripts/with-wine.sh" -- wine "$root/build/windows/bench/windows/update-bench.exe" "Z:${game//\//\\}\\" 10
python3 "$root/tests/executable/exe_facts.py" "$bin/updater.exe" | sed -n 1p
echo "targets: update_ms <= 300; updater.exe beyond its payloads <= 192 KiB"
