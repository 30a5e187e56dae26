#!/usr/bin/env bash
# Installs what is missing, builds Tintamar and runs every test: the unit and end-to-end tests
# of the normal build, then the unit tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 SDL_AUDIODRIVER=dummy
jobs="$(nproc)"

bash scripts/build.sh build
(cd build && ctest --output-on-failure -j "$jobs" --timeout 600)

bash scripts/build.sh build-asan -DTINTAMAR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$jobs" -L unit --timeout 600)
