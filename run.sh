#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kombora.
source "$(dirname "$0")/scripts/common.sh"
kombora_install_packages
kombora_build
if [ -x "$KOMBORA_BUILD/bin/kombora" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found. Start Kombora on a virtual display with:"
        echo "    xvfb-run -a $KOMBORA_BUILD/bin/kombora"
        echo "(xvfb-run comes with the Debian package xvfb.)"
        exit 1
    fi
    exec "$KOMBORA_BUILD/bin/kombora" "$@"
fi
exec "$KOMBORA_BUILD/bin/kombora-cli" summary "$@"
