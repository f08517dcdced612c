#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop would find the
# program, its menu entry, its icon, its metadata and its help pages; validates the
# menu entry and the metadata as distributions do.
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/talco bin/talco-tape \
    share/applications/org.korvelsoft.Talco.desktop \
    share/metainfo/org.korvelsoft.Talco.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.korvelsoft.Talco.svg \
    share/icons/hicolor/48x48/apps/org.korvelsoft.Talco.png \
    share/talco/Doc_Talco/doc_FR.htm share/talco/Doc_Talco/doc_EN.htm \
    share/talco/artwork/keys/ch7.svg share/talco/artwork/keys/ch7@2x.png \
    lib/talco/talco-print.so; do
    if [ ! -e "$prefix/$f" ]; then
        echo "missing after install: $f" >&2
        exit 1
    fi
done
desktop-file-validate "$source/packaging/org.korvelsoft.Talco.desktop"
appstreamcli validate --no-net --pedantic "$source/packaging/org.korvelsoft.Talco.metainfo.xml" >/dev/null
echo "install and metadata: ok"
