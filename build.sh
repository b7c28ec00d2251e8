#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine; installs what it needs, then:
#   ./build.sh run    builds in Release (tools and benchmarks) and runs the main job, a tour of tcutil
#   ./build.sh test   builds with warnings as errors and runs every test, with Qt 5 and with Qt 6
# and, for CI and developers:
#   ./build.sh asan [ctest args]   the test suite under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./build.sh tsan [ctest args]   the test suite under ThreadSanitizer
#   ./build.sh fuzz [seconds]      every libFuzzer target for a bounded time each (clang 14)
#   ./build.sh deb                 the Debian packages (cpack) in build/deb, checked
#   ./build.sh docs                the API reference (Doxygen) in build/ci/docs
#   ./build.sh abi-baseline        rewrites the ABI baselines, tests/package/abi*/, from build/ci*
#   ./build.sh compare [lines]     tcutil csv against Miller on generated bars (speed, memory)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ binutils pkg-config
    qtbase5-dev qttools5-dev-tools libboost-dev libssl-dev fonts-wqy-microhei
    libgtest-dev libgmock-dev libbenchmark-dev
    tzdata abigail-tools dpkg-dev help2man locales
)

# The Qt 6 build of the tests: Qt 6 (Core5Compat for the plain forms beside the benchmarks,
# libgl-dev for Qt 6 Gui's CMake package), compiled with clang, whose -Wshorten-64-to-32 finds
# Qt 6 sizes (qsizetype) narrowed into int.
QT6_PACKAGES=(qt6-base-dev qt6-5compat-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev clang-14)

FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
DOCS_PACKAGES=(doxygen qhelpgenerator-qt5)
# Only for the comparison with Miller, never for the tests.
COMPARE_PACKAGES=(miller time)

ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

# The CI build: RelWithDebInfo (the ABI baselines come from it), warnings as errors; with Qt 5 in
# build/ci, with Qt 6 (configure_ci 6) in build/ci-qt6.
configure_ci() {
    if [ "${1:-5}" = 6 ]; then
        cmake --preset ci-qt6
    else
        cmake --preset ci
    fi
}

# The main job: tcutil on the bundled instruments and bar sample.
tour() {
    local tcutil=build/release/tools/tcutil/tcutil step
    for step in "search zgpa" "info SH600000" "csv data/bars-sample.csv" "markets" "periods"; do
        echo
        echo "\$ tcutil $step"
        # shellcheck disable=SC2086
        if [ "${step%% *}" = csv ]; then
            "$tcutil" $step --out build/release/bars-clean.csv
            head -n 6 build/release/bars-clean.csv
            echo "... ($(wc -l <build/release/bars-clean.csv) rows in build/release/bars-clean.csv)"
        else
            "$tcutil" $step
        fi
    done
}

case "${1:-}" in
run)
    ensure_packages
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTCUTILS_BUILD_TESTS=OFF
    cmake --build build/release -j "$jobs"
    tour
    ;;
test)
    ensure_packages "${QT6_PACKAGES[@]}"
    configure_ci
    cmake --build build/ci -j "$jobs"
    ctest --test-dir build/ci --output-on-failure -j "$jobs"
    configure_ci 6
    cmake --build build/ci-qt6 -j "$jobs"
    ctest --test-dir build/ci-qt6 --output-on-failure -j "$jobs"
    ;;
deb)
    # Installed under /usr, so the libraries go to Debian's multiarch folder.
    ensure_packages
    cmake -S . -B build/deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DTCUTILS_BUILD_TESTS=OFF -DTCUTILS_BUILD_BENCH=OFF -DTCUTILS_BUILD_TOOLS=OFF
    cmake --build build/deb -j "$jobs"
    rm -f build/deb/*.deb
    (cd build/deb && cpack -G DEB)
    tests/package/checkdeb.sh build/deb
    ;;
docs)
    ensure_packages "${DOCS_PACKAGES[@]}"
    configure_ci
    cmake --build build/ci --target docs
    ;;
abi-baseline)
    ensure_packages "${QT6_PACKAGES[@]}"
    configure_ci
    cmake --build build/ci -j "$jobs" --target abi-baseline
    configure_ci 6
    cmake --build build/ci-qt6 -j "$jobs" --target abi-baseline
    ;;
asan | tsan)
    ensure_packages
    preset=$1
    shift
    cmake --preset "$preset"
    cmake --build "build/$preset" -j "$jobs"
    ctest --test-dir "build/$preset" --output-on-failure -j "$jobs" "$@"
    ;;
fuzz)
    ensure_packages "${FUZZ_PACKAGES[@]}"
    cmake --preset fuzz
    cmake --build build/fuzz -j "$jobs"
    fuzz/run.sh build/fuzz "${2:-10}"
    ;;
compare)
    ensure_packages "${COMPARE_PACKAGES[@]}"
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTCUTILS_BUILD_TESTS=OFF
    cmake --build build/release -j "$jobs" --target tcutil
    bench/tcutil_vs_mlr.sh build/release/tools/tcutil/tcutil "${2:-2400000}"
    ;;
*)
    echo "usage: $0 run|test|asan|tsan|fuzz|deb|docs|abi-baseline|compare" >&2
    exit 2
    ;;
esac
