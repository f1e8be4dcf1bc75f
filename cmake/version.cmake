# The program's version, from project(... VERSION ...), for the front ends'
# --version and for the package. Link `chemeng_version` and include
# "chemeng_version.h".
include_guard(GLOBAL)

# Reverse-DNS identity shared by the desktop entry, the icon and the AppStream
# metadata; the window names it so that desktop shells match it to its entry.
set(CHEMENG_APP_ID "org.example.chemeng")

configure_file(${CMAKE_CURRENT_LIST_DIR}/chemeng_version.h.in
               ${PROJECT_BINARY_DIR}/generated/chemeng_version.h @ONLY)
add_library(chemeng_version INTERFACE)
target_include_directories(chemeng_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
