#!/usr/bin/env python3
"""Writes a Win32 .res file holding the distributor slots (ids 132-137,
named resource types) and the embedded archive (type "ZIP", id 130).

windres reads LANGUAGE as a keyword and refuses it as a type name, so these
resources are written here directly in the .res format instead of an .rc.

    make_res.py OUT.res [--archive FILE]
"""
import argparse
import struct

# name, id, size of the unpatched slot
SLOTS = [
    ("SERVER_URL", 132, 146),
    ("UPDATE_PATH", 133, 147),
    ("LANGUAGE", 134, 48),
    ("AFFILIATE_ID", 135, 84),
    ("REFERRER_ID", 136, 83),
    ("PROMOCODE", 137, 81),
]

LANG_NEUTRAL = 0
MOVEABLE_PURE_DISCARDABLE = 0x1030


def name_or_id(value):
    if isinstance(value, int):
        return struct.pack("<HH", 0xFFFF, value)
    return value.upper().encode("utf-16-le") + b"\0\0"


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def entry(type_, name, data):
    header = name_or_id(type_) + name_or_id(name)
    header = pad4(header)
    header += struct.pack("<IHHII", 0, MOVEABLE_PURE_DISCARDABLE, LANG_NEUTRAL, 0, 0)
    head = struct.pack("<II", len(data), 8 + len(header)) + header
    return pad4(head + data)


def slot_bytes(name, size):
    marker = (name + "_HERE:").encode("ascii") + b"\0"
    # marker, zero, empty value, zero, padding
    data = marker + b"\0"
    assert len(data) <= size, name
    return data + b"\0" * (size - len(data))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--archive", help="contents of the ZIP 130 resource")
    args = parser.parse_args()
    archive = b""
    if args.archive:
        with open(args.archive, "rb") as f:
            archive = f.read()
    # A .res starts with an empty entry.
    res = struct.pack("<IIHHHHIHHII", 0, 32, 0xFFFF, 0, 0xFFFF, 0, 0, 0, 0, 0, 0)
    res += entry("ZIP", 130, archive)
    for name, id_, size in SLOTS:
        res += entry(name, id_, slot_bytes(name, size))
    with open(args.out, "wb") as f:
        f.write(res)


if __name__ == "__main__":
    main()
