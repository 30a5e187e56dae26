#!/usr/bin/env bash
# Installs what is missing, builds Tintamar and runs every test: the unit and end-to-end tests
# of the normal build; then under AddressSanitizer and UndefinedBehaviorSanitizer the unit tests,
# the end-to-end tests and the monkey test again (any report from the real program fails its
# test); then the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 SDL_AUDIODRIVER=dummy
jobs="$(nproc)"

bash scripts/build.sh build
# Every test runs once: a test that needs a second try has a fault to find, not to hide.
(cd build && ctest --output-on-failure -j "$jobs" --timeout 600)

bash scripts/build.sh build-asan -DTINTAMAR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$jobs" -L 'unit|e2e|monkey' --timeout 600)

# --- Fuzzing ----------------------------------------------------------------------------------
# A clang build of only the fuzz targets (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer),
# then well under a minute of fuzzing each, side by side: the BMP reader over the seeds and every
# file that ever broke it, and the preferences file.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTINTAMAR_FUZZ=ON > build-fuzz.configure.log 2>&1 || { cat build-fuzz.configure.log; exit 1; }
cmake --build build-fuzz -j "$jobs" --target bmp_reader_fuzz preferences_fuzz
(cd build-fuzz && ctest --output-on-failure -j "$jobs" -L fuzz)
# --- end of fuzzing ---------------------------------------------------------------------------
