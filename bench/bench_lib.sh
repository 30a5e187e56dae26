# What the benchmark scripts that run the real program share: the end-to-end helpers
# (tests/e2e/lib.sh) in a fresh folder that is removed at the end, and the X probes built
# from their sources here.
# Use: source "$(dirname "$0")/bench_lib.sh"; bench_init BUILD_FOLDER; build_probe frame_probe
BENCH_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$BENCH_DIR/../tests/e2e/lib.sh"

# bench_init BUILD_FOLDER: a fresh home, settings and run folder for that build's program.
bench_init() {
  E2E_OUT="$(mktemp -d)"
  e2e_init "$1/tintamar"
  trap 'e2e_cleanup; rm -rf "$E2E_OUT"' EXIT
}

# build_probe NAME: builds bench/NAME.cpp into $E2E_DIR/NAME, or ends the script.
build_probe() { g++ -O2 -o "$E2E_DIR/$1" "$BENCH_DIR/$1.cpp" -lX11 || exit 1; }
