#!/usr/bin/env bash
# Builds Kurvex when needed, then runs kurvex-cli with the arguments given
# (no arguments: the data sheet of the new course).
set -euo pipefail
source "$(dirname "$0")/tools/bootstrap.sh"
kurvex_build >&2
cli="$KURVEX_BUILD/src/cli/kurvex-cli"
if [ $# -eq 0 ]; then
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  "$cli" new "$scratch/new.kurv"
  "$cli" sheet "$scratch/new.kurv"
  echo
  exit 0
fi
exec "$cli" "$@"
