#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop would find the
# program, its menu entry, its icon, its metadata and its help pages; validates the
# menu entry and the metadata as distributions do. Then builds the Debian package and
# checks that it holds what the install does, declares what the program needs at run
# time and runs no script on install or removal.
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
package=$(mktemp -d)
trap 'rm -rf "$prefix" "$package"' EXIT

fail() {
    echo "$*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/talco bin/talco-tape \
    share/applications/org.korvelsoft.Talco.desktop \
    share/metainfo/org.korvelsoft.Talco.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.korvelsoft.Talco.svg \
    share/icons/hicolor/48x48/apps/org.korvelsoft.Talco.png \
    share/talco/Doc_Talco/doc_FR.htm share/talco/Doc_Talco/doc_EN.htm \
    share/talco/artwork/keys/ch7.svg share/talco/artwork/keys/ch7@2x.png \
    lib/talco/talco-print.so lib/talco/talco-desktop.so; do
    if [ ! -e "$prefix/$f" ]; then
        echo "missing after install: $f" >&2
        exit 1
    fi
done
# README.md's table of installed files names every one of them, and nothing else: a
# pattern, or a folder ending in "/".
mapfile -t listed < <(awk '/^## Installing and packaging/ { on = 1; next } /^## / { on = 0 }
    on && /^\| `[^`]*` \|/' "$source/README.md" | sed 's/^| `\([^`]*\)`.*/\1/')
[ ${#listed[@]} -gt 0 ] || fail "README.md has no table of installed files"
declare -A used
while IFS= read -r f; do
    named=
    for pattern in "${listed[@]}"; do
        # shellcheck disable=SC2053 # the README's entries are patterns
        if [[ $pattern == */ && $f == "$pattern"* ]] || [[ $f == $pattern ]]; then
            named=1
            used[$pattern]=1
        fi
    done
    [ -n "$named" ] || fail "README.md does not name the installed $f"
done < <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
for pattern in "${listed[@]}"; do
    [ -n "${used[$pattern]:-}" ] || fail "README.md names $pattern, which is not installed"
done

desktop-file-validate "$source/packaging/org.korvelsoft.Talco.desktop"
appstreamcli validate --no-net --pedantic "$source/packaging/org.korvelsoft.Talco.metainfo.xml" >/dev/null

cpack --config "$build/CPackConfig.cmake" -B "$package" >"$package/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$package/cpack.log")"
deb=$(echo "$package"/talco_*.deb)
[ -f "$deb" ] || fail "no package in $package: $(cat "$package/cpack.log")"
# The plugins are no system libraries: nothing to tell ldconfig, so no scripts at all.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'preinst|postinst|prerm|postrm' || true)
[ -z "$scripts" ] || fail "the package runs scripts: $scripts"
# The libraries found by dpkg-shlibdeps, and what it cannot see: the xcb platform plugin,
# the SVG image plugin and xdg-open for the maker's site.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6core6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libqt6svg6 libglib2.0-0; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "the package does not depend on $needed: $depends"
done
# The same files as the install, under /usr.
diff <(cd "$prefix" && find . -type f | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/|./|' | sort) ||
    fail "the package and the install hold different files"
echo "install, metadata and package: ok"
