#!/usr/bin/env bash
# The boundary between the windows and the locked-down reader, from the
# built files: building a program alone builds the reader it starts (a
# newcomer's first picture is read), and neither program carries the
# reader's parsers or the format libraries they link.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

build="${1:?usage: test_reader_boundary.sh BUILD_DIR READER}"
reader="${2:?usage: test_reader_boundary.sh BUILD_DIR READER}"
require_commands cmake nm readelf

for program in rastomat aspekto; do
    rm -f "$reader"
    cmake --build "$build" --target "$program" >"$e2e_tmp/build.log" 2>&1 ||
        fail "building $program failed: $(tail -5 "$e2e_tmp/build.log")"
    [[ -x "$reader" ]] || fail "building $program alone did not build the reader"

    binary="$build/$program/$program"
    parsers=$(nm -C "$binary" | grep -c 'media::reader::' || true)
    ((parsers == 0)) || fail "$program carries $parsers symbols of the reader's parsers"
    libraries=$(readelf -d "$binary" | grep NEEDED | grep -E 'lib(jpeg|png|exiv2|heif|raw|gif)' || true)
    [[ -z "$libraries" ]] || fail "$program links a format library: $libraries"
done
note "both programs build the reader and link nothing from it"
