#!/usr/bin/env bash
# Installs what is missing, builds Tandrel and runs every test: the suites,
# the suites again under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzz targets for a bounded time, the whole program on a virtual X display,
# and a plain Release build installed, run from its install and packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs="$(nproc)"
# Each step says when it starts, in seconds since the command began.
step() { echo "== $* [at ${SECONDS} s]"; }

step "build and test"
cmake --preset default >/dev/null
cmake --build --preset default -- -j"$jobs"
ctest --preset default -j"$jobs"

step "sanitizers"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -- -j"$jobs"
ctest --preset sanitize -j"$jobs"

step "fuzz targets, ${FUZZ_SECONDS:-30} s each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -- -j"$jobs"
./scripts/run-fuzzers.sh build-fuzz "${FUZZ_SECONDS:-30}"

step "the program on a virtual X display"
./scripts/desktop-session.sh build/bin/tandrel

step "a Release build installed under two prefixes and packaged as a .deb"
./scripts/test-install.sh build-release
echo "All tests passed in ${SECONDS} s."
