#!/usr/bin/env bash
# check_deb.sh BUILD_DIR APP_ID VERSION: builds the Debian package from BUILD_DIR with CPack, in a
# scratch folder, and checks that it is named for VERSION and holds the program and its desktop
# files, no other program, and computed dependencies on Qt's widget library.
set -euo pipefail
build=$1
id=$2
expected_version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    exit 1
fi
debs=("$scratch"/*.deb)
deb=${debs[0]}
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' >"$scratch/files"

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

version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "$expected_version" ] || fail "version '$version', not $expected_version"
name="simple-tallomat_${expected_version}_$(dpkg-deb -f "$deb" Architecture).deb"
[ "$(basename "$deb")" = "$name" ] || fail "not named $name"
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6widgets6* ]] || fail "Depends '$depends' lacks libqt6widgets6"

if ((failed == 0)); then
    echo "$(basename "$deb"): $(wc -l <"$scratch/files") files; Depends: $depends"
fi
exit "$failed"
