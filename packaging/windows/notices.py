#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the licence notices of everything linked into Movarc.exe, as the linker's map shows it.

The program itself (GPL-3.0-or-later), Qt (LGPL-3.0-only), each part of Qt's bundled third-party
code whose objects the linker pulled in (from Qt's own qt_attribution.json files), and each
library the cross compiler's Debian packages linked in (the MinGW-w64 runtime, libgcc, libstdc++,
winpthreads), with its Debian copyright file.

Usage: notices.py PROJECT QT_SOURCE LINK_MAP QT_OPTIONS OUT_DIR
"""
import glob
import json
import os
import re
import subprocess
import sys

project, qt_source, link_map, qt_options, out = sys.argv[1:6]
os.makedirs(out, exist_ok=True)

# Every archive member the linker pulled in: "(archive)member" in its map.
members = {}
for archive, member in re.findall(r"^(\S+\.a)\((\S+?)\)", open(link_map, errors="replace").read(), re.M):
    members.setdefault(os.path.realpath(archive), set()).add(member)
linked_objects = {m for ms in members.values() for m in ms}


def linked(paths):
    return any(os.path.basename(p) + ".obj" in linked_objects for p in paths)


def sources_under(path):
    if os.path.isfile(path):
        return [path]
    return [f for ext in ("c", "cc", "cpp") for f in glob.glob(f"{path}/**/*.{ext}", recursive=True)]


def copy(source, name):
    with open(source, errors="replace") as f, open(os.path.join(out, name), "w") as g:
        g.write(f.read())


copy(os.path.join(project, "LICENSES/GPL-3.0-or-later.txt"), "Movarc-GPL-3.0-or-later.txt")
copy(os.path.join(qt_source, "LICENSES/LGPL-3.0-only.txt"), "Qt-LGPL-3.0-only.txt")

# Qt's bundled third-party code, as far as it is linked.
parts = []
for attribution in sorted(glob.glob(f"{qt_source}/src/**/qt_attribution.json", recursive=True)):
    folder = os.path.dirname(attribution)
    entries = json.loads(open(attribution).read(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        if "Files" in entry:
            files = [os.path.join(folder, f) for f in entry["Files"].split()]
        else:
            files = sources_under(os.path.join(folder, entry.get("Path", ".")))
        if not linked(files):
            continue
        licence = os.path.join(folder, entry.get("LicenseFile", ""))
        text = open(licence, errors="replace").read() if os.path.isfile(licence) else ""
        parts.append((entry["Name"], entry.get("Version", ""), entry.get("LicenseId", ""),
                      entry.get("Copyright", "").strip(), text.strip()))

with open(os.path.join(out, "Qt-third-party.txt"), "w") as f:
    f.write("Third-party code that Qt bundles and that is linked into Movarc.exe\n\n")
    for name, version, licence, copyright_, text in sorted(set(parts)):
        f.write(f"{'=' * 78}\n{name} {version}\nLicence: {licence}\n\n{copyright_}\n\n{text}\n\n")

# The libraries of Debian's cross toolchain, named by the packages that ship them.
packages = set()
for archive in members:
    if archive.startswith("/usr/"):
        found = subprocess.run(["dpkg", "-S", archive], capture_output=True, text=True).stdout
        packages.update(line.split(":")[0] for line in found.splitlines())
with open(os.path.join(out, "MinGW-w64-and-GCC-runtime.txt"), "w") as f:
    f.write("Libraries of the MinGW-w64 cross toolchain linked into Movarc.exe, with the Debian\n"
            "copyright file of each package that ships them\n\n")
    for package in sorted(packages):
        f.write(f"{'=' * 78}\nDebian package {package}\n\n")
        f.write(open(f"/usr/share/doc/{package}/copyright", errors="replace").read() + "\n")

qt_version = os.path.basename(os.path.realpath(qt_source))
with open(os.path.join(out, "README.txt"), "w", newline="\r\n") as f:
    f.write(f"""Sarvel用タイマー (Movarc) のライセンス

Movarc は GNU 一般公衆利用許諾書 第 3 版以降 (GPL-3.0-or-later) のフリーソフトウェアです。
Movarc.exe には Qt (LGPL-3.0-only) と、そのライブラリ、MinGW-w64 のランタイムが静的にリンクされて
います。それぞれのライセンスは、このフォルダーのファイルにあります。

対応するソースコードは、配布物に添えた Movarc-<版>-source.tar.xz にあります。Movarc のソース、
ビルドした Qt のソース (Debian の元の tar ファイルとパッチ)、Qt の configure オプションを
含みます。https://movarc.org からも入手できます。

Licences of Sarvel用タイマー (Movarc)

Movarc is free software under the GNU General Public License, version 3 or later. Movarc.exe
links Qt ({qt_version}, under LGPL-3.0-only) and the MinGW-w64 runtime statically:
- Movarc-GPL-3.0-or-later.txt: the program's licence
- Qt-LGPL-3.0-only.txt: Qt's licence
- Qt-third-party.txt: the code Qt bundles that is linked in, with its licences
- MinGW-w64-and-GCC-runtime.txt: the runtime libraries of the compiler

The corresponding source is Movarc-<version>-source.tar.xz beside this release: the program's
source, the exact Qt source that was built (Debian's original tarball and its patches) and the
options Qt was configured with. It is also available from https://movarc.org. With it you can
rebuild Movarc.exe against a modified Qt, as the LGPL allows: see the README in the source.

Qt configure options:
{open(qt_options).read().strip()}
""")
print(f"{out}: {len(set(parts))} bundled parts of Qt, packages {', '.join(sorted(packages))}")
