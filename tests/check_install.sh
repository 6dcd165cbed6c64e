#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds the program:
# the binary, a valid launcher entry, the icon and valid AppStream metadata.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.movarc.Movarc
for f in bin/movarc share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/48x48/apps/$id.png; do
    [ -f "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$prefix/bin/movarc" ] || { echo "bin/movarc is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -qx 'Name=Sarvel用タイマー' "$prefix/share/applications/$id.desktop"
grep -qx 'StartupWMClass=Movarc' "$prefix/share/applications/$id.desktop"
grep -q 'version="1.00"' "$prefix/share/metainfo/$id.metainfo.xml"
echo "install OK"
