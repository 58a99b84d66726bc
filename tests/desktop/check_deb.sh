#!/usr/bin/env bash
# check_deb.sh PACKAGE_SCRIPT DEB APP_ID: builds the Debian package with PACKAGE_SCRIPT (the
# project's scripts/package) into DEB's folder, without its tests, and checks that it is DEB and
# holds the program, hardened, its desktop files, manual page, copyright and changelog, no other
# program, and its dependencies: Qt's widget library as computed, the fonts that the window asks
# for, the icon theme, and Qt's Wayland platform as a recommendation. DEB stays for the lintian
# test.
set -euo pipefail
package_script=$1
deb=$2
id=$3
out=$(dirname "$deb")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The test command has run the tests that the package's build would run.
DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck "$package_script" "$out" >/dev/null
if [ ! -f "$deb" ]; then
    echo "$(basename "$package_script") wrote no $(basename "$deb"):" "$out"/*.deb
    exit 1
fi
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' >"$scratch/files"
dpkg-deb -x "$deb" "$scratch/root"

failed=0
fail() {
    echo "$(basename "$deb"): $*"
    failed=1
}

expected=(
    ./usr/bin/tallomat
    "./usr/share/applications/$id.desktop"
    "./usr/share/metainfo/$id.metainfo.xml"
    "./usr/share/icons/hicolor/scalable/apps/$id.svg"
    ./usr/share/man/man1/tallomat.1.gz
    ./usr/share/doc/simple-tallomat/copyright
    ./usr/share/doc/simple-tallomat/changelog.gz
)
for size in 16 32 48 64 128; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    grep -qxF "$file" "$scratch/files" || fail "missing $file"
done
# Test programs, tools and static libraries stay in the build tree.
extra=$(grep -E '^\./usr/(bin|sbin|lib|libexec)/' "$scratch/files" | grep -vxF ./usr/bin/tallomat ||
    true)
[ -z "$extra" ] || fail "installs more than the program: $extra"

# Every hardening feature that hardening-check sees, but these: it sees source fortification only
# in a call whose buffer size the compiler knows, and the program makes none; control flow
# protection only where the C library's start files have it too; and newer releases report ARM's
# branch protection on every processor.
unhardened=$(hardening-check "$scratch/root/usr/bin/tallomat" | grep ': no' |
    grep -vE '^ (Fortify Source functions|Control flow integrity|Branch Protection):' || true)
[ -z "$unhardened" ] || fail "not hardened:$unhardened"

depends=$(dpkg-deb -f "$deb" Depends)
depended=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for package in libqt6widgets6 fonts-liberation fonts-dejavu-core hicolor-icon-theme; do
    grep -qxF "$package" <<<"$depended" || fail "Depends '$depends' lacks $package"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[ "$recommends" = "qt6-wayland, qt6-translations-l10n" ] ||
    fail "Recommends '$recommends', not qt6-wayland, qt6-translations-l10n"

if ((failed == 0)); then
    echo "$(basename "$deb"): $(wc -l <"$scratch/files") files; Depends: $depends"
fi
exit "$failed"
