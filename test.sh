#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
source "$(dirname "$0")/scripts/common.sh"
kombora_install_packages
kombora_build
cd "$KOMBORA_BUILD"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "$@"
