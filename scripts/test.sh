#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. The PostgreSQL tests run when
# VINTORA_TEST_PG names a server (postgresql://user@host:port/db); otherwise they skip, visibly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${VINTORA_BUILD_DIR:-$root/build}"
ctest --output-on-failure --parallel "$(nproc)" "$@"
