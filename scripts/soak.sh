#!/usr/bin/env bash
# The long monkey run, before a release: an hour (or the minutes given) of seeded random input
# on the sanitizer build, as tests/e2e/monkey.sh gives it in CI for 90 seconds, failing the same
# way on a crash, a sanitizer report, a hang or the program ending. Prints the figures: input
# events, minutes, and the program's memory after start-up, after the first five minutes (GTK
# and the fonts loaded once) and at the end.
#
#   bash scripts/soak.sh [MINUTES]          MONKEY_SEED=<seed> replays a run
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-60}
bash scripts/deps.sh
bash scripts/build.sh build-asan -DTINTAMAR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
out="${SOAK_OUT:-$PWD/build-asan/soak}"

export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 SDL_AUDIODRIVER=dummy
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# AddressSanitizer keeps up to 256 MB of freed memory aside to catch late uses; with that held
# to 32 MB, growth after the first minutes is the program's own.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=32
E2E_OUT="$out" bash tests/e2e/monkey.sh build-asan/tintamar $((minutes * 60))

# rss.log: one line per liveness probe: seconds, actions, input events, memory in MB.
awk '
  NR == 1 { first = $4 }
  $1 <= 300 { warm = $4; warmAt = $1 }
  { last = $4; lastAt = $1; events = $3 }
  END {
    printf "soak: %d input events in %.1f minutes\n", events, lastAt / 60
    printf "soak: memory %s MB after start-up, %s MB after %.1f minutes, %s MB at the end\n",
           first, warm, warmAt / 60, last
  }' "$out/monkey/rss.log"
