#!/usr/bin/env python3
"""Reads a built updater.exe the way Windows would and reports what matters
about it: the subsystem, the DLLs it imports, its resources (type, name,
language, size) and its manifest.

usage: exe_facts.py EXE                  print a summary
       exe_facts.py EXE --check PAYLOADS check it as a release build, against
                                           the folder of packed payloads
"""
import struct
import sys
from pathlib import Path

RT_ICON, RT_GROUP_ICON, RT_RCDATA, RT_MANIFEST = 3, 14, 10, 24
GUI_SUBSYSTEM = 2
I386 = 0x14C
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll"}


class PeImage:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE executable")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = optional + 96
        self.import_rva = struct.unpack_from("<I", data, directories + 8)[0]
        self.resource_rva = struct.unpack_from("<I", data, directories + 16)[0]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8sIIII", data, table + 40 * i) for i in range(sections)]

    def offset(self, rva):
        for _, virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_offset
        raise ValueError(f"address {rva:#x} lies in no section")

    def string_at(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        dlls, at = [], self.offset(self.import_rva)
        while True:
            entry = struct.unpack_from("<IIIII", self.data, at)
            if not any(entry):
                return dlls
            dlls.append(self.string_at(entry[3]).lower())
            at += 20

    def resources(self):
        """(type, name, language, bytes) for every resource."""
        base = self.offset(self.resource_rva)

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
                if key & 0x80000000:
                    at = base + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, at)[0]
                    key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                yield key, target

        found = []
        for kind, names in entries(0):
            for name, languages in entries(names & 0x7FFFFFFF):
                for language, leaf in entries(languages & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(rva)
                    found.append((kind, name, language, self.data[start:start + size]))
        return found


def check(exe, payload_dir):
    image = PeImage(exe.read_bytes())
    problems = []
    if image.machine != I386 or image.subsystem != GUI_SUBSYSTEM:
        problems.append(f"not a 32-bit x86 GUI program (machine {image.machine:#x}, subsystem {image.subsystem})")
    foreign = sorted(set(image.imported_dlls()) - SYSTEM_DLLS)
    if foreign:
        problems.append(f"imports DLLs that Windows does not ship: {', '.join(foreign)}")
    resources = {(kind, name): (language, data) for kind, name, language, data in image.resources()}
    for name in ("SCR2", "EXE", "EXE2"):
        language, data = resources.get((RT_RCDATA, name), (None, None))
        if data is None:
            problems.append(f"no RCDATA resource {name}")
            continue
        if language != 0:
            problems.append(f"{name} is not language neutral (language {language})")
        if data != (payload_dir / f"{name}.payload").read_bytes():
            problems.append(f"{name} differs from {name}.payload")
    if (RT_GROUP_ICON, "MAINICON") not in resources:
        problems.append("no icon group MAINICON")
    icons = [data for (kind, _), (_, data) in resources.items() if kind == RT_ICON]
    # An icon image is a bitmap header whose height counts the mask too.
    shapes = [struct.unpack_from("<iiHH", icon, 4) for icon in icons]
    if shapes != [(32, 64, 1, 8)]:
        problems.append(f"MAINICON is not one 32 x 32 image of 256 colours: {shapes}")
    manifest = resources.get((RT_MANIFEST, 1), (None, b""))[1].decode("utf-8", "replace")
    if 'level="highestAvailable"' not in manifest:
        problems.append("the manifest does not request the highestAvailable execution level")
    if "dpiAware" in manifest:
        problems.append("the manifest declares DPI awareness")
    return problems


def summary(exe):
    image = PeImage(exe.read_bytes())
    payload_bytes = sum(len(data) for kind, _, _, data in image.resources() if kind == RT_RCDATA)
    print(f"{exe.name}: {exe.stat().st_size} bytes, payload resources {payload_bytes} bytes, "
          f"beyond them {exe.stat().st_size - payload_bytes} bytes "
          f"({(exe.stat().st_size - payload_bytes) / 1024:.1f} KiB)")
    print(f"imports: {', '.join(image.imported_dlls())}")
    for kind, name, language, data in image.resources():
        print(f"resource type {kind} name {name} language {language}: {len(data)} bytes")


def main():
    args = sys.argv[1:]
    if len(args) == 1:
        summary(Path(args[0]))
    elif len(args) == 3 and args[1] == "--check":
        problems = check(Path(args[0]), Path(args[2]))
        for problem in problems:
            print(f"{args[0]}: {problem}")
        print("executable checks: " + ("failed" if problems else "passed"))
        sys.exit(1 if problems else 0)
    else:
        sys.exit(__doc__.strip())


if __name__ == "__main__":
    main()
