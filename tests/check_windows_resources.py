#!/usr/bin/env python3
"""Compiles the Windows resource file with MinGW's windres and checks that the compiled
version record holds every string Windows shows, in UTF-16, under Japanese (0x0411, 1200).
Usage: check_windows_resources.py WINDRES RC_FILE WORK_DIR"""
import subprocess
import sys
from pathlib import Path

windres, rc_file, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
work.mkdir(parents=True, exist_ok=True)
res = work / "movarc.res"
subprocess.run([windres, "--preprocessor=cpp", "-i", str(rc_file), "-o", str(res), "-O", "coff"],
               check=True)
data = res.read_bytes()

expected = {
    "Comments": "Sarvel用のタイマー",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "ProductName": "Movarc",
    "InternalName": "Movarc",
    "OriginalFilename": "Movarc.exe",
}
failures = []
for key, value in expected.items():
    # A VALUE is its key, padding, then its text, both NUL-terminated UTF-16LE.
    key_at = data.find((key + "\0").encode("utf-16-le"))
    if key_at < 0:
        failures.append(f"{key} missing")
        continue
    window = data[key_at: key_at + 200]
    if (value + "\0").encode("utf-16-le") not in window:
        failures.append(f"{key} is not {value!r}")
if "041104b0".encode("utf-16-le") not in data:
    failures.append("no Japanese string table (041104b0)")
if bytes.fromhex("11 04 b0 04") not in data:
    failures.append("no translation 0x0411, 1200")
# Numeric version 1.0.0.0: the fixed record's signature, then version words 1,0 / 0,0.
signature = bytes.fromhex("bd 04 ef fe")
at = data.find(signature)
if at < 0 or data[at + 8: at + 16] != bytes.fromhex("00 00 01 00 00 00 00 00"):
    failures.append("numeric file version is not 1.0.0.0")
if failures:
    print("\n".join(failures))
    sys.exit(1)
print("version record OK:", ", ".join(f"{k}={v}" for k, v in expected.items()))
