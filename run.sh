#!/usr/bin/env bash
# Builds Kurvex when needed, then opens the editor with the arguments given (a course file to
# open, or --help, --version).
set -euo pipefail
source "$(dirname "$0")/tools/bootstrap.sh"
kurvex_build >&2
case "${1:-}" in
  -h | --help | -v | --version) exec "$KURVEX_BUILD/src/app/kurvex" "$@" ;;
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the editor on: run it as 'xvfb-run ./run.sh', or use" \
       "$KURVEX_BUILD/src/cli/kurvex-cli for the same jobs without windows." >&2
  exit 1
fi
exec "$KURVEX_BUILD/src/app/kurvex" "$@"
