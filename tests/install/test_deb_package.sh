#!/usr/bin/env bash
# The Debian package: built by cpack from what `cmake --install` installs,
# unpacked into an empty root (never installed on this machine), it holds
# both programs, their desktop entries, metainfo and icons, names its
# dependencies, and both programs start from the unpacked bin folder.
#
# cpack alone would first build every target of the tree; the test installs
# the already built programs into a staging folder and packs that with the
# project's own package settings instead.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

build="${1:?usage: test_deb_package.sh BUILD_DIR}"
[[ -f "$build/CPackConfig.cmake" ]] || fail "$build has no CPackConfig.cmake"
require_commands cmake cpack dpkg-deb dpkg-shlibdeps python3 convert

# --- install into a staging folder and pack it
stage="$e2e_tmp/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr --strip >"$e2e_tmp/install.log" 2>&1 ||
    fail "cmake --install failed"
[[ -x "$stage/usr/bin/rastomat" ]] || fail "cmake --install did not stage usr/bin/rastomat"

cat >"$e2e_tmp/cpack.cmake" <<CONFIG
include("$build/CPackConfig.cmake")
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_INSTALLED_DIRECTORIES "$stage/usr;usr")
set(CPACK_PACKAGE_DIRECTORY "$e2e_tmp/packages")
CONFIG
cpack --config "$e2e_tmp/cpack.cmake" >"$e2e_tmp/cpack.log" 2>&1 || fail "cpack failed"
debs=("$e2e_tmp"/packages/*.deb)
((${#debs[@]} == 1)) && [[ -f "${debs[0]}" ]] || fail "cpack made no single .deb: ${debs[*]}"
deb="${debs[0]}"
[[ "${deb##*/}" == brixtel-calculators_1.0_*.deb ]] || fail "package file name: ${deb##*/}"

# --- the control fields
field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == brixtel-calculators ]] || fail "Package: $(field Package)"
[[ -n "$(field Maintainer)" && -n "$(field Description)" ]] || fail "Maintainer or Description missing"
depends="$(field Depends)"
for needed in fonts-liberation qt6-image-formats-plugins libqt6widgets6 libqt6gui6 libqt6core6 libc6 \
    libheif1 libraw20 libexiv2-27 libseccomp2; do
    [[ ",$depends" =~ ,\ *$needed( |,|$) ]] || fail "Depends lacks $needed: $depends"
done
[[ "$(field Recommends)" == ffmpeg ]] || fail "Recommends: $(field Recommends)"

# --- unpack into an empty root and check the file list
root="$e2e_tmp/root"
mkdir "$root"
dpkg-deb -x "$deb" "$root"

expected=(usr/bin/rastomat usr/bin/aspekto usr/share/doc/brixtel-calculators/copyright
    usr/share/dbus-1/services/org.brixtel.Aspekto.service
    "usr/$(grep -m1 "^CMAKE_INSTALL_LIBDIR:" "$build/CMakeCache.txt" | cut -d= -f2)/brixtel-calculators/calc-picture-reader")
for id in org.brixtel.Rastomat org.brixtel.Aspekto; do
    expected+=("usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml")
    for size in 16 22 24 32 48 64 128 256; do
        expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
    done
done
(cd "$root" && find . -type f -printf '%P\n' | sort) >"$e2e_tmp/files"
printf '%s\n' "${expected[@]}" | sort >"$e2e_tmp/expected"
diff -u "$e2e_tmp/expected" "$e2e_tmp/files" >&2 || fail "the package's files differ from the list above"
for program in rastomat aspekto; do
    [[ -x "$root/usr/bin/$program" ]] || fail "usr/bin/$program is not executable"
done

# Each icon is a PNG of the size its folder names.
python3 - "$root/usr/share/icons/hicolor" <<'CHECK' || fail "icon sizes"
import os, struct, sys
bad = []
for folder, _, names in os.walk(sys.argv[1]):
    for name in names:
        with open(os.path.join(folder, name), "rb") as f:
            head = f.read(24)
        size = os.path.basename(os.path.dirname(folder))
        w, h = struct.unpack(">II", head[16:24])
        if head[:8] != b"\x89PNG\r\n\x1a\n" or size != "%dx%d" % (w, h):
            bad.append("%s/%s: %dx%d" % (size, name, w, h))
print("\n".join(bad), file=sys.stderr)
sys.exit(1 if bad else 0)
CHECK

# Each desktop entry starts a program of the package and names its icon.
for id in org.brixtel.Rastomat org.brixtel.Aspekto; do
    entry="$root/usr/share/applications/$id.desktop"
    exec_line="$(sed -n 's/^Exec=//p' "$entry")"
    [[ -x "$root/usr/bin/${exec_line%% *}" ]] || fail "$id: Exec=$exec_line is not in usr/bin"
    [[ "$(sed -n 's/^Icon=//p' "$entry")" == "$id" ]] || fail "$id: Icon is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
        "$root/usr/share/metainfo/$id.metainfo.xml" || fail "$id: metainfo does not launch $id.desktop"
done

# The session bus starts Aspekto (DBusActivatable) from where the package
# puts it, whatever prefix the build was configured with.
service="$root/usr/share/dbus-1/services/org.brixtel.Aspekto.service"
grep -qx 'Name=org.brixtel.Aspekto' "$service" || fail "the D-Bus service file names another bus name"
grep -qx 'Exec=/usr/bin/aspekto' "$service" || fail "D-Bus service: $(grep '^Exec=' "$service")"

# The unpacked tree as a software centre reads it: metainfo, desktop entries
# and icons together.
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate-tree --no-net --strict "$root" >"$e2e_tmp/tree.log" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$e2e_tmp/tree.log")"
fi

# --- both programs start from the unpacked root; Rastomat reads a picture
# there with the package's own reader
start_x 1280x1024x24
convert -size 30x20 xc:white "$e2e_tmp/bild.png"
start_program rastomat env CALC_ECHO_MODEL=1 "$root/usr/bin/rastomat" "$e2e_tmp/bild.png"
rastomat_pid=$program_pid
wait_window "Brixtel Rastomat" 20 >/dev/null
start_program aspekto "$root/usr/bin/aspekto"
aspekto_pid=$program_pid
wait_window "Brixtel Aspekto" 20 >/dev/null
expect_echo "$e2e_tmp/rastomat.out" Text2.Text 30
for pid in "$rastomat_pid" "$aspekto_pid"; do
    exe="$(readlink "/proc/$pid/exe")"
    [[ "$exe" == "$root/usr/bin/"* ]] || fail "process $pid runs $exe, not a program of the package"
done
note "package ${deb##*/}: ${#expected[@]} files, both windows shown"
