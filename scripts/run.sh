#!/usr/bin/env bash
# Installs what is missing, builds Tintamar and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh build
cd build && exec ./tintamar --scale=auto
