# `cpack` in the build folder makes a Debian package of everything that
# `cmake --install` installs. The Qt libraries it needs are found with
# dpkg-shlibdeps; the windows use the Liberation fonts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brixtel-calculators)
set(CPACK_PACKAGE_VENDOR Brixtel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CALC_PACKAGE_MAINTAINER "Brixtel <maintainers@brixtel.invalid>" CACHE STRING
    "Maintainer field of the Debian package: name and e-mail address")
set(CPACK_PACKAGE_CONTACT "${CALC_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German dpi and format calculators (Rastomat, Aspekto)")
set(CPACK_PACKAGE_DESCRIPTION
    "Rastomat relates the size of a picture in pixels, its size in centimetres \
and the resolution in dots per inch. Aspekto scales a video or picture frame \
size while keeping its aspect ratio. Both programs are in German.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The image-format plugins read TIFF and WebP; FFmpeg's ffprobe gives a
# video's frame size, which Aspekto does without when it is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ffmpeg)

include(CPack)
