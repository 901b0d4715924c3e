#!/usr/bin/env bash
# Builds the status-file fuzz target with clang and feeds it random files for a minute; fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

# Configuring still finds Qt, GoogleTest and the benchmark library, as every build of the project does.
./scripts/install-deps.sh clang
# libFuzzer's runtime comes with the clang runtime package of the installed clang's version.
./scripts/install-deps.sh "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPETALGAME_FUZZ=ON
cmake --build build-fuzz --target status_file_fuzz

# The fuzzer adds what it finds to its corpus folder: give it a copy, not the committed seeds.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/
mkdir -p build-fuzz/findings
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build-fuzz/bin/status_file_fuzz -max_total_time=60 -timeout=10 -artifact_prefix=build-fuzz/findings/ "$corpus"
echo "status file fuzzing: no findings"
