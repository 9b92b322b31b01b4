#!/usr/bin/env bash
# The demo: one update of a demo game folder under Wine.
#
# With DISPLAY set, the updater comes up on that display and you press Start
# (and close the box) yourself; otherwise it runs on a private X server and
# the test driver presses Start. Either way a picture of the window is saved
# and the figures of the run are printed: the registry value, each file
# written with its size and sha256, the time from Start to the completion
# box, and the exit code.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
updater=$root/build/bin/updater.exe
driver=$root/build/bin/wine-test-driver.exe
demo=$root/build/demo
game=$demo/game
bmp=$demo/updater-window.bmp
png=$root/build/updater-window.png

for program in "$updater" "$driver"; do
  [ -f "$program" ] || { echo "demo: $program is missing; run make updater" >&2; exit 1; }
done

rm -rf "$demo"
mkdir -p "$game"

driver_args=(demo --updater "$updater" --scratch "$game" --screenshot "$bmp")
if [ -n "${DISPLAY:-}" ]; then
  wine_args=(--display)
  driver_args+=(--wait-for-user)
  echo "demo: the updater comes up on $DISPLAY"
else
  wine_args=()
  echo "demo: no DISPLAY; the updater runs on a private X server and Start is pressed for you"
fi

status=0
"$root/scripts/with-wine.sh" "${wine_args[@]}" -- wine "$driver" "${driver_args[@]}" || status=$?

# A 32-bit top-down BMP as the driver writes it, to PNG with nothing but the
# standard library.
bmp_to_png() {
  python3 - "$1" "$2" <<'EOF'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
offset, = struct.unpack_from("<I", data, 10)
width, height = struct.unpack_from("<ii", data, 18)
height = abs(height)
rows = []
for y in range(height):
    row = data[offset + y * width * 4: offset + (y + 1) * width * 4]
    rgb = bytearray(width * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = row[2::4], row[1::4], row[0::4]
    rows.append(b"\0" + bytes(rgb))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
with open(sys.argv[2], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n")
    out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
    out.write(chunk(b"IDAT", zlib.compress(b"".join(rows), 9)))
    out.write(chunk(b"IEND", b""))
EOF
}

if [ -f "$bmp" ]; then
  bmp_to_png "$bmp" "$png"
  echo "window picture: $png"
fi

echo "files in $game:"
for name in kbm_data2.pak mirufeza.exe gatebox.exe; do
  if [ -f "$game/$name" ]; then
    printf '  %-14s %9d bytes  sha256 %s\n' "$name" "$(stat -c %s "$game/$name")" \
      "$(sha256sum "$game/$name" | cut -d' ' -f1)"
  else
    printf '  %-14s missing\n' "$name"
  fi
done
exit "$status"
