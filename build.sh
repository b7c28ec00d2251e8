#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine; installs what it needs, then:
#   ./build.sh run    builds in Release (tools and benchmarks) and runs the main job, a tour of tcutil
#   ./build.sh test   builds with warnings as errors and runs every test
# and, for CI and developers:
#   ./build.sh asan [ctest args]   the test suite under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./build.sh tsan [ctest args]   the test suite under ThreadSanitizer
#   ./build.sh fuzz [seconds]      every libFuzzer target for a bounded time each (clang 14)
#   ./build.sh deb                 the Debian packages (cpack) in build/deb, checked
#   ./build.sh docs                the API reference (Doxygen) in build/ci/docs
#   ./build.sh abi-baseline        rewrites the ABI baseline, tests/package/abi/, from build/ci
#   ./build.sh compare [lines]     tcutil csv against Miller on generated bars (speed, memory)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ binutils pkg-config
    qtbase5-dev qttools5-dev-tools libboost-dev libssl-dev fonts-wqy-microhei
    libgtest-dev libgmock-dev libbenchmark-dev
    tzdata abigail-tools dpkg-dev help2man
)

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

# The CI build: RelWithDebInfo (the ABI baseline comes from it), warnings as errors.
configure_ci() {
    cmake -S . -B build/ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTCUTILS_WERROR=ON \
        -DTCUTILS_BUILD_BENCH=OFF
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
    ensure_packages
    configure_ci
    cmake --build build/ci -j "$jobs"
    ctest --test-dir build/ci --output-on-failure -j "$jobs"
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
    ensure_packages
    configure_ci
    cmake --build build/ci -j "$jobs" --target abi-baseline
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
