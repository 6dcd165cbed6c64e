#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# What a desktop installs: the binary, a valid launcher entry, the icon and valid AppStream
# metadata, installed into a temporary prefix; the Debian package, with its control fields and
# exactly those files; and the Windows version record, compiled by MinGW's windres, with each
# string in UTF-16 under Japanese (0x0411, 1200) and version 1.0.0.0.
# Usage: check_packaging.sh BUILD_DIR WINDRES
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/usr" >/dev/null
installed=$(cd "$work" && find . ! -type d | sort)

id=org.movarc.Movarc
# The validators and grep fail on a missing file as well.
for f in share/icons/hicolor/48x48/apps/$id.png share/doc/movarc/copyright; do
    [ -f "$work/usr/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$work/usr/bin/movarc" ] || { echo "no executable bin/movarc"; exit 1; }
desktop-file-validate "$work/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml"
grep -qx 'Name=Sarvel用タイマー' "$work/usr/share/applications/$id.desktop"
grep -qx 'StartupWMClass=Movarc' "$work/usr/share/applications/$id.desktop"
grep -q 'version="1.00"' "$work/usr/share/metainfo/$id.metainfo.xml"

(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(echo "$work"/deb/movarc_*.deb)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ $(dpkg-deb -f "$deb" Package Version Section Depends) =~ ^"Package: movarc
Version: $version-1
Section: utils
Depends: fonts-morisawa-bizud-gothic | fonts-ipafont-gothic, ".*libc6.*libqt6widgets6 ]] \
    || { echo "control fields wrong"; dpkg-deb -f "$deb"; exit 1; }
diff <(echo "$installed") <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)

hex() { od -An -v -tx1 | tr -d ' \n'; }
utf16() { printf '%s\0' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }
"$2" --preprocessor=cpp -i "$build/movarc.rc" -o "$work/movarc.res" -O coff
res=$(hex <"$work/movarc.res")
# A string is its key, padding to four bytes, then its text; the fixed record is its
# signature, its own version, then the file version words 1,0 and 0,0.
for pair in Comments=Sarvel用のタイマー FileVersion=1.00 ProductVersion=1.00 ProductName=Movarc \
            InternalName=Movarc OriginalFilename=Movarc.exe; do
    [[ $res =~ $(utf16 "${pair%%=*}")(0000)?$(utf16 "${pair#*=}") ]] || { echo "wrong: $pair"; exit 1; }
done
[[ $res =~ $(utf16 041104b0).*1104b004 && $res =~ bd04effe.{8}0000010000000000 ]] \
    || { echo "no Japanese version 1.0.0.0 record"; exit 1; }
echo "packaging OK"
