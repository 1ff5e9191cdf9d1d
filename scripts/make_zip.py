#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on its inputs: fixed order, the given
time stamp, names flagged as UTF-8 (so Explorer shows 使用说明.txt right).
Usage: make_zip.py OUT.zip EPOCH FILE..."""
import os
import sys
import time
import zipfile

out, epoch, files = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
stamp = time.gmtime(epoch)[:6]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for path in files:
        info = zipfile.ZipInfo(os.path.basename(path), date_time=stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        info.create_system = 0  # as if made on Windows
        with open(path, "rb") as f:
            z.writestr(info, f.read())
