#!/usr/bin/env python3
"""Checks how a release zip's entry names read: the stored name field in
GBK without the UTF-8 flag (Windows' Compressed Folders on Chinese Windows),
and the Unicode Path extra field matching it (what unzip, 7-Zip and others
show). Usage: check-zip.py ZIP NAME..."""
import struct
import sys
import zlib

path, wanted = sys.argv[1], sys.argv[2:]
data = open(path, "rb").read()
end = data.rfind(b"PK\x05\x06")
count, size, offset = struct.unpack("<HII", data[end + 10:end + 20])
at, seen, ok = offset, [], True
for _ in range(count):
    (flags, name_len, extra_len, comment_len) = struct.unpack("<H", data[at + 8:at + 10]) + \
        struct.unpack("<HHH", data[at + 28:at + 34])
    name = data[at + 46:at + 46 + name_len]
    extra = data[at + 46 + name_len:at + 46 + name_len + extra_len]
    gbk = name.decode("gbk")
    seen.append(gbk)
    if flags & 0x800:
        print(f"check-zip: {gbk} is flagged UTF-8; older Windows would show it garbled")
        ok = False
    if any(ord(c) > 127 for c in gbk):
        field = extra.find(struct.pack("<H", 0x7075))
        if field < 0:
            print(f"check-zip: {gbk} has no Unicode Path field")
            ok = False
        else:
            length, version, crc = struct.unpack("<HBI", extra[field + 2:field + 9])
            unicode = extra[field + 9:field + 4 + length].decode("utf-8")
            if version != 1 or crc != zlib.crc32(name) or unicode != gbk:
                print(f"check-zip: the Unicode Path field of {gbk} does not match its name")
                ok = False
    at += 46 + name_len + extra_len + comment_len
if sorted(seen) != sorted(wanted):
    print(f"check-zip: entries {seen}, expected {wanted}")
    ok = False
print(f"check-zip: {path.split('/')[-1]}: {', '.join(seen)} (names in GBK, Unicode Path fields in UTF-8)"
      if ok else f"check-zip: {path} FAILED")
sys.exit(0 if ok else 1)
