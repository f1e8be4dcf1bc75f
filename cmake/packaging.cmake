# Installing chemeng as a desktop program, and its Debian package.
include(${CMAKE_CURRENT_LIST_DIR}/version.cmake)
