#!/usr/bin/env bash
# Checks the Debian packages that `cpack -G DEB` made in DIR (./build.sh deb runs it):
# each package's files (dpkg-deb -c) and dependencies (dpkg-deb -f), the runtime libraries
# stripped, then the consumer built against the two packages unpacked (tests/package/consumer.cmake).
#   tests/package/checkdeb.sh DIR
set -euo pipefail
dir=$1
here=$(cd "$(dirname "$0")" && pwd)
failures=0
fail() {
    echo "checkdeb: $*" >&2
    failures=$((failures + 1))
}

shopt -s nullglob
runtimes=("$dir"/libtcutils[0-9]*_*.deb)
devels=("$dir"/libtcutils-dev_*.deb)
all=("$dir"/*.deb)
if [ ${#runtimes[@]} -ne 1 ] || [ ${#devels[@]} -ne 1 ] || [ ${#all[@]} -ne 2 ]; then
    echo "checkdeb: expected one runtime and one development package in $dir: ${all[*]}" >&2
    exit 1
fi
runtime=${runtimes[0]}
devel=${devels[0]}
runtime_name=$(dpkg-deb -f "$runtime" Package)
version=$(dpkg-deb -f "$runtime" Version)

# has PACKAGE-LISTING REGEX WHAT / lacks PACKAGE-LISTING REGEX WHAT
has() { grep -Eq "$2" <<<"$1" || fail "$3"; }
lacks() { ! grep -Eq "$2" <<<"$1" || fail "$3"; }

files=$(dpkg-deb -c "$runtime" | awk '{print $6}')
has "$files" '/usr/lib/[^ ]*/libtcutils\.so\.[0-9]+\.[0-9]+\.[0-9]+$' "$runtime_name: no libtcutils"
has "$files" '/usr/lib/[^ ]*/libtcutils\.so\.[0-9]+$' "$runtime_name: no SONAME link of libtcutils"
has "$files" '/usr/lib/[^ ]*/libtcutils_host\.so\.[0-9]+\.[0-9]+\.[0-9]+$' "$runtime_name: no libtcutils_host"
has "$files" '/usr/share/doc/[^ ]*/LICENSE$' "$runtime_name: no LICENSE"
has "$files" '/usr/share/doc/[^ ]*/LICENSE-Unicode\.txt$' "$runtime_name: no Unicode licence"
lacks "$files" '/usr/include/|\.so$|/cmake/|/pkgconfig/|/bin/' "$runtime_name: development files or programs"
depends=$(dpkg-deb -f "$runtime" Depends)
for dep in libqt5core5a libqt5gui5 libstdc\\+\\+6 libssl3; do
    has "$depends" "(^|, )$dep( |,|$)" "$runtime_name: Depends lacks $dep: $depends"
done

files=$(dpkg-deb -c "$devel" | awk '{print $6}')
for header in tc.h version.h tcutils_version.h tcutils_export.h host/tchost_export.h \
    records/stockinfo.h standin/usersession.h; do
    has "$files" "/usr/include/tc/$header\$" "libtcutils-dev: no <tc/$header>"
done
lacks "$files" '_p\.h$' "libtcutils-dev: internal headers"
lacks "$files" '/include/tc/standin/data/' "libtcutils-dev: the stand-in's data folder"
for file in libtcutils.so libtcutils_host.so pkgconfig/tcutils.pc pkgconfig/tcutils-host.pc \
    cmake/tcutils/tcutilsConfig.cmake cmake/tcutils/tcutilsConfigVersion.cmake \
    cmake/tcutils/tcutilsTargets.cmake; do
    has "$files" "/usr/lib/[^ ]*/$file\$" "libtcutils-dev: no $file"
done
lacks "$files" '\.so\.[0-9]' "libtcutils-dev: the shared libraries themselves"
depends=$(dpkg-deb -f "$devel" Depends)
has "$depends" "(^|, )$runtime_name \\(= $version\\)" "libtcutils-dev: Depends lacks $runtime_name (= $version): $depends"
for dep in qtbase5-dev libboost-dev; do
    has "$depends" "(^|, )$dep( |,|$)" "libtcutils-dev: Depends lacks $dep: $depends"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tcutils-checkdeb.XXXXXX")
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$runtime" "$work/root"
dpkg-deb -x "$devel" "$work/root"
for library in "$work"/root/usr/lib/*/libtcutils*.so.*.*.*; do
    sections=$(readelf -S --wide "$library")
    lacks "$sections" '\.symtab|\.debug_info' "$(basename "$library") is not stripped"
done

if [ "$failures" -gt 0 ]; then
    echo "checkdeb: $failures check(s) failed" >&2
    exit 1
fi
cmake -DMODE=prefix -DPREFIX="$work/root/usr" -DWORK_DIR="$work/consumer" -DGENERATOR=Ninja \
    -DCXX="${CXX:-c++}" -P "$here/consumer.cmake"
echo "checkdeb: $(basename "$runtime") and $(basename "$devel") as expected"
