#!/usr/bin/env bash
# validate_metainfo.sh APPSTREAMCLI TEMPLATE VERSION: writes the metainfo as a
# packager would, with the screenshots at a published address, and validates
# it offline. The address is a sample; nothing is fetched, but the pictures
# it names must be the ones in docs/.
set -euo pipefail
appstreamcli="$1" template="$2" version="$3"
script_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tmp="$(mktemp -d "${TMPDIR:-/tmp}/metainfo.XXXXXX")"
trap 'rm -rf "$tmp"' EXIT

out="$tmp/$(basename "$template" .in)"
cmake -DIN="$template" -DOUT="$out" -DCALC_VERSION="$version" \
    -DCALC_SCREENSHOT_BASE_URL=https://example.org/brixtel/docs/ \
    -P "$script_dir/../../data/configure_metainfo.cmake"
grep -q '<image>https://example.org/brixtel/docs/[a-z]*\.png</image>' "$out" ||
    { echo "FAIL: no screenshot address in $out" >&2; cat "$out" >&2; exit 1; }
# Every screenshot named is one that the repository keeps in docs/.
for name in $(sed -n 's#.*<image>https://example.org/brixtel/docs/\(.*\)</image>.*#\1#p' "$out"); do
    [[ -f "$script_dir/../../docs/$name" ]] || { echo "FAIL: docs/$name does not exist" >&2; exit 1; }
done
"$appstreamcli" validate --no-net --strict "$out"
