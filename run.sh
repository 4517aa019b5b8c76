#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvane.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
corvane_install_missing
corvane_build
exec build/Corvane/bin/corvane "$@"
