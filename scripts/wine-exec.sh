#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix (CTest's emulator).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
pavonet_wine_prefix
as_wine_user wine "$@"
