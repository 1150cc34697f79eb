#!/usr/bin/env bash
# Sets up, builds and runs every test: a short fuzzing run of the record file
# loader (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer), the
# core tests under those two sanitizers, the threaded tests under
# ThreadSanitizer, then the whole suite (core tests and window tests on the
# offscreen platform). Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

echo "test: fuzzing the record file loader for ${KESTROVIN_FUZZ_SECONDS:-60} s"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVIN_FUZZ=ON \
  -DKESTROVIN_BUILD_UI=OFF -DKESTROVIN_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target record_file_fuzz
corpus=$(mktemp -d)
cp fuzz/corpus/* "$corpus"/
if ! build-fuzz/fuzz/record_file_fuzz -max_total_time="${KESTROVIN_FUZZ_SECONDS:-60}" -rss_limit_mb=2048 \
    -print_final_stats=1 "$corpus" >build-fuzz/fuzz.log 2>&1; then
  tail -n 60 build-fuzz/fuzz.log
  echo "test: the fuzzer found a crash (see above)"
  exit 1
fi
grep -E '^stat::number_of_executed_units' build-fuzz/fuzz.log || true
rm -rf "$corpus"

echo "test: core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVIN_SANITIZE=address,undefined \
  -DKESTROVIN_BUILD_UI=OFF -DKESTROVIN_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 600

echo "test: capture, platform and command-line tests under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROVIN_SANITIZE=thread \
  -DKESTROVIN_BUILD_UI=OFF -DKESTROVIN_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan --target capture_test platform_test cli_test
ctest --test-dir build-tsan --output-on-failure --timeout 600 -R '^(capture|platform|cli)_test$'

echo "test: the whole suite"
ctest --test-dir build --output-on-failure --timeout 600
