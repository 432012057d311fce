#!/usr/bin/env bash
# The size figure: the i686 release Pavonet.exe against the bare window
# program built for i686 the same way (static, MinSizeRel), as files and
# section by section, and what stripping the symbols would leave.
#   size_report.sh PAVONET_EXE BARE_EXE TOOL_PREFIX   (e.g. i686-w64-mingw32-)
set -euo pipefail
export LC_ALL=C
ours=$1 bare=$2 tools=$3

size_of() { stat -c %s "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# objdump prints sizes in hex; let bash read them.
section_table() {
  "${tools}objdump" -h "$1" | awk '$1 ~ /^[0-9]+$/ { print $2, $3 }' |
    while read -r name hex; do printf '%s=%d ' "$name" "$((16#$hex))"; done
}

stripped_size() {
  local copy
  copy=$(mktemp)
  "${tools}strip" -o "$copy" "$1"
  size_of "$copy"
  rm -f "$copy"
}

ours_size=$(size_of "$ours")
bare_size=$(size_of "$bare")
printf '[size] Pavonet.exe %d bytes | bare window %d bytes | ratio %s | i686 MinSizeRel, static\n' \
  "$ours_size" "$bare_size" "$(ratio "$ours_size" "$bare_size")"
ours_stripped=$(stripped_size "$ours")
bare_stripped=$(stripped_size "$bare")
printf '  stripped: Pavonet.exe %d bytes | bare window %d bytes | ratio %s\n' \
  "$ours_stripped" "$bare_stripped" "$(ratio "$ours_stripped" "$bare_stripped")"
printf '  sections of Pavonet.exe: %s\n' "$(section_table "$ours")"
printf '  sections of bare window: %s\n' "$(section_table "$bare")"
