# Writes a metainfo file from its template: IN, OUT, CALC_VERSION (the
# project's version) and CALC_SCREENSHOT_BASE_URL, the web address under which the repository's
# docs/ folder is published. Software centres fetch screenshots over the web
# only, so without that address the screenshots are left out rather than
# pointed at a place that does not exist. Included by data/CMakeLists.txt and
# run with `cmake -P` by the tests.
cmake_policy(VERSION 3.25)
file(READ "${IN}" text)
if(CALC_SCREENSHOT_BASE_URL)
    string(REGEX REPLACE "/+$" "" base "${CALC_SCREENSHOT_BASE_URL}")
    string(REPLACE "@CALC_SCREENSHOT_BASE_URL@" "${base}" text "${text}")
else()
    string(REGEX REPLACE "\n *<screenshots>.*</screenshots>" "" text "${text}")
endif()
file(CONFIGURE OUTPUT "${OUT}" CONTENT "${text}" @ONLY)
