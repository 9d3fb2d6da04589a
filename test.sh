#!/usr/bin/env bash
# Builds Kurvex when needed and runs every test through ctest.
set -euo pipefail
source "$(dirname "$0")/tools/bootstrap.sh"
kurvex_build
cd "$KURVEX_BUILD"
exec ctest --output-on-failure -j"$(nproc)"
