#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on its inputs: fixed order, the given
time stamp, deflated. Entry names are stored the way Windows' own Compressed
Folders reads them on Chinese Windows 7 to 11: in the system's code page
(GBK), without the UTF-8 flag. Each entry also carries the Unicode Path extra
field (0x7075) with the UTF-8 name, which 7-Zip, WinRAR, Bandizip and unzip
read instead. Usage: make_zip.py OUT.zip EPOCH FILE..."""
import os
import struct
import sys
import time
import zlib

UNICODE_PATH = 0x7075


def dos_time(epoch):
    t = time.gmtime(epoch)
    return ((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec // 2),
            ((t.tm_year - 1980) << 9) | (t.tm_mon << 5) | t.tm_mday)


def unicode_path_field(name_bytes, name):
    utf8 = name.encode("utf-8")
    body = struct.pack("<BI", 1, zlib.crc32(name_bytes)) + utf8
    return struct.pack("<HH", UNICODE_PATH, len(body)) + body


def write_zip(out, epoch, paths):
    mod_time, mod_date = dos_time(epoch)
    local, central = bytearray(), bytearray()
    for path in paths:
        name = os.path.basename(path)
        name_bytes = name.encode("gbk")
        extra = b"" if name.isascii() else unicode_path_field(name_bytes, name)
        with open(path, "rb") as f:
            data = f.read()
        packer = zlib.compressobj(9, zlib.DEFLATED, -15)
        packed = packer.compress(data) + packer.flush()
        crc = zlib.crc32(data)
        offset = len(local)
        # version 2.0, no flags (names in the code page), deflate
        local += struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, 0, 8, mod_time, mod_date, crc, len(packed), len(data),
                             len(name_bytes), len(extra)) + name_bytes + extra + packed
        # made by 2.0 on MS-DOS/Windows; external attributes: a plain archive file
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 20, 20, 0, 8, mod_time, mod_date, crc, len(packed),
                               len(data), len(name_bytes), len(extra), 0, 0, 0, 0x20, offset) + name_bytes + extra
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(paths), len(paths), len(central), len(local), 0)
    with open(out, "wb") as f:
        f.write(bytes(local) + bytes(central) + end)


if __name__ == "__main__":
    write_zip(sys.argv[1], int(sys.argv[2]), sys.argv[3:])
