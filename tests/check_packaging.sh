#!/usr/bin/env bash
# What a desktop installs: the binary, a valid launcher entry, the icon and valid AppStream
# metadata, installed into a temporary prefix; and the Windows version record, compiled by
# MinGW's windres, with each string in UTF-16 under Japanese (0x0411, 1200) and version 1.0.0.0.
# Usage: check_packaging.sh BUILD_DIR WINDRES
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work" >/dev/null

id=org.movarc.Movarc
for f in bin/movarc share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/48x48/apps/$id.png; do
    [ -f "$work/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$work/bin/movarc" ] || { echo "bin/movarc is not executable"; exit 1; }
desktop-file-validate "$work/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/share/metainfo/$id.metainfo.xml"
grep -qx 'Name=Sarvel用タイマー' "$work/share/applications/$id.desktop"
grep -qx 'StartupWMClass=Movarc' "$work/share/applications/$id.desktop"
grep -q 'version="1.00"' "$work/share/metainfo/$id.metainfo.xml"

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
