#!/usr/bin/env python3
"""Writes the three sample files an updater is built from when no real ones
are given: deterministic, of the real sizes, and compressing about as the
game's files do (a packed data file, two 32-bit x86 programs).

usage: make-sample-files.py OUTDIR
"""
import random
import struct
import sys
from pathlib import Path

# name, size, seed, share of incompressible bytes, share of long repeats
SAMPLES = [
    ("kbm_data2.pak", 113_728, 1, 0.93, 0.02),
    ("mirufeza.exe", 3_213_824, 2, 0.40, 0.10),
    ("gatebox.exe", 459_776, 3, 0.60, 0.06),
]


def dos_and_pe_header(rng):
    """A plausible start of a Windows program: MZ stub, PE signature, i386."""
    header = bytearray(0x400)
    header[0:2] = b"MZ"
    struct.pack_into("<I", header, 0x3C, 0x80)
    header[0x40:0x40 + 39] = b"This program cannot be run in DOS mode."
    header[0x80:0x84] = b"PE\0\0"
    struct.pack_into("<HH", header, 0x84, 0x14C, 4)
    for i in range(0x98, 0x178):
        header[i] = rng.choice((0, 0, 0, rng.randrange(256)))
    return bytes(header)


def program_like(rng, size, noise, repeats):
    """Instruction-like bytes: a vocabulary of short sequences drawn with a
    skewed frequency, random immediates, padding and repeated blocks."""
    vocabulary = [rng.randbytes(rng.randrange(2, 9)) for _ in range(3000)]
    weights = [1.0 / (rank + 1) for rank in range(len(vocabulary))]
    out = bytearray(dos_and_pe_header(rng))
    while len(out) < size:
        pick = rng.random()
        if pick < noise:
            out += rng.randbytes(rng.randrange(1, 40))
        elif pick < noise + repeats and len(out) > 64:
            length = rng.randrange(8, 300)
            start = len(out) - rng.randrange(length, min(len(out), 16_000) + length)
            start = max(0, start)
            out += out[start:start + length]
        elif pick < noise + repeats + 0.02:
            out += bytes(rng.randrange(1, 64) * [0])
        else:
            out += b"".join(rng.choices(vocabulary, weights, k=rng.randrange(1, 6)))
    return bytes(out[:size])


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    outdir = Path(sys.argv[1])
    outdir.mkdir(parents=True, exist_ok=True)
    for name, size, seed, noise, repeats in SAMPLES:
        data = program_like(random.Random(seed), size, noise, repeats)
        if name.endswith(".pak"):
            data = b"KBMPAK\x01\x00" + data[8:]
        (outdir / name).write_bytes(data)


if __name__ == "__main__":
    main()
