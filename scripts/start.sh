#!/usr/bin/env bash
# Installs what is missing, builds, and starts vintora on its embedded SQLite catalogue.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${VINTORA_BUILD_DIR:-$root/build}/src/app/vintora" "$@"
