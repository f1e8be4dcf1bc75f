# Installing chemeng as a desktop program, and its Debian package
# (`make package`, or `cmake --build --preset release --target package`).
#
# Besides the two programs and data/ (installed where they are built), the
# package holds:
#   share/applications, share/metainfo   desktop entry, AppStream metadata
#   share/icons/hicolor                   the icon, as SVG and rendered PNGs
#   share/man/man1                        manual pages, made by help2man from
#                                         the programs' own --help
#   share/bash-completion/completions     chemeng-cli's completion, generated
#                                         from its --help
#   share/doc/chemeng                     copyright (both licences), changelog,
#                                         where the compound data come from
# scripts/check-package.sh unpacks the package and checks all of it.
include(${CMAKE_CURRENT_LIST_DIR}/version.cmake)

set(CHEMENG_LINUX_DIR ${PROJECT_SOURCE_DIR}/resources/linux)
set(CHEMENG_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)

# --- Desktop entry, AppStream metadata, icon ---------------------------------

configure_file(${CHEMENG_LINUX_DIR}/chemeng.desktop.in
               ${CHEMENG_PACKAGING_DIR}/${CHEMENG_APP_ID}.desktop @ONLY)
configure_file(${CHEMENG_LINUX_DIR}/chemeng.metainfo.xml.in
               ${CHEMENG_PACKAGING_DIR}/${CHEMENG_APP_ID}.metainfo.xml @ONLY)
if(CHEMENG_BUILD_UI)
  install(FILES ${CHEMENG_PACKAGING_DIR}/${CHEMENG_APP_ID}.desktop DESTINATION share/applications)
  install(FILES ${CHEMENG_PACKAGING_DIR}/${CHEMENG_APP_ID}.metainfo.xml DESTINATION share/metainfo)
  install(FILES ${CHEMENG_LINUX_DIR}/chemeng.svg
          DESTINATION share/icons/hicolor/scalable/apps RENAME ${CHEMENG_APP_ID}.svg)

  # Menus and docks pick the bitmap nearest their size; the SVG is drawn on
  # a 64-unit grid, so the small sizes stay legible.
  find_program(CHEMENG_RSVG_CONVERT rsvg-convert)
  if(CHEMENG_RSVG_CONVERT)
    set(icon_files "")
    foreach(size IN ITEMS 16 24 32 48 64 128 256)
      set(png ${CHEMENG_PACKAGING_DIR}/icons/${size}x${size}/${CHEMENG_APP_ID}.png)
      add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CHEMENG_PACKAGING_DIR}/icons/${size}x${size}
        COMMAND ${CHEMENG_RSVG_CONVERT} --width ${size} --height ${size}
                --output ${png} ${CHEMENG_LINUX_DIR}/chemeng.svg
        DEPENDS ${CHEMENG_LINUX_DIR}/chemeng.svg
        VERBATIM)
      install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
      list(APPEND icon_files ${png})
    endforeach()
    add_custom_target(chemeng_icons ALL DEPENDS ${icon_files})
  else()
    message(STATUS "rsvg-convert not found: no PNG icons (scripts/setup-debian.sh installs it)")
  endif()
endif()

# --- Manual pages and bash completion ----------------------------------------

# Both are made by running the programs just built; a sanitizer build is not
# one to install, and its runtime reports would end up in the pages.
find_program(CHEMENG_HELP2MAN help2man)
find_program(CHEMENG_PYTHON3 python3 HINTS /usr/bin)
if(CHEMENG_SANITIZE OR CMAKE_CROSSCOMPILING)
  message(STATUS "Manual pages and completion are not made for this build")
elseif(NOT CHEMENG_HELP2MAN OR NOT CHEMENG_PYTHON3)
  message(STATUS "help2man or python3 not found: no manual pages or completion "
                 "(scripts/setup-debian.sh installs them)")
else()
  set(cli_docs ${PROJECT_SOURCE_DIR}/scripts/cli_docs.py)
  set(manuals "")

  # help2man writes NAME, SYNOPSIS, DESCRIPTION and OPTIONS from --help and
  # the version from --version; the .h2m files add the sections --help
  # cannot (files, examples, exit status, see also).
  function(chemeng_manual program name)
    set(page ${CHEMENG_PACKAGING_DIR}/man/${program}.1)
    set(includes "")
    foreach(include_file IN LISTS ARGN)
      list(APPEND includes --include ${include_file})
    endforeach()
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CHEMENG_PACKAGING_DIR}/man
      COMMAND ${CHEMENG_HELP2MAN} --no-info --section 1 --name ${name} ${includes}
              --output ${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program} ${ARGN}
      VERBATIM)
    install(FILES ${page}.gz DESTINATION share/man/man1)
    set(manuals ${manuals} ${page}.gz PARENT_SCOPE)
  endfunction()

  # chemeng-cli's commands each have their own --help; they become a
  # COMMANDS section of its page.
  set(cli_commands ${CHEMENG_PACKAGING_DIR}/man/chemeng-cli-commands.h2m)
  add_custom_command(
    OUTPUT ${cli_commands}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CHEMENG_PACKAGING_DIR}/man
    COMMAND ${CHEMENG_PYTHON3} ${cli_docs} man-commands $<TARGET_FILE:chemeng-cli> ${cli_commands}
    DEPENDS chemeng-cli ${cli_docs}
    VERBATIM)
  chemeng_manual(chemeng-cli "properties of pure compounds, water and steam on the command line"
                 ${CHEMENG_LINUX_DIR}/chemeng-cli.h2m ${cli_commands})
  if(CHEMENG_BUILD_UI)
    chemeng_manual(chemeng "calculator of properties of pure compounds, water and steam"
                   ${CHEMENG_LINUX_DIR}/chemeng.h2m)
  endif()

  set(completion ${CHEMENG_PACKAGING_DIR}/chemeng-cli.bash)
  add_custom_command(
    OUTPUT ${completion}
    COMMAND ${CHEMENG_PYTHON3} ${cli_docs} completion $<TARGET_FILE:chemeng-cli> ${completion}
    DEPENDS chemeng-cli ${cli_docs}
    VERBATIM)
  install(FILES ${completion} DESTINATION share/bash-completion/completions RENAME chemeng-cli)

  add_custom_target(chemeng_manuals ALL DEPENDS ${manuals} ${completion})
endif()

# --- Documentation ------------------------------------------------------------

# Debian wants the changelog of a native package compressed, without a
# timestamp in the gzip header (so that rebuilds are byte-identical).
set(changelog ${CHEMENG_PACKAGING_DIR}/changelog)
add_custom_command(
  OUTPUT ${changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CHEMENG_LINUX_DIR}/changelog ${changelog}
  COMMAND gzip -9nf ${changelog}
  DEPENDS ${CHEMENG_LINUX_DIR}/changelog
  VERBATIM)
add_custom_target(chemeng_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${CHEMENG_LINUX_DIR}/copyright ${changelog}.gz DESTINATION share/doc/chemeng)
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md DESTINATION share/doc/chemeng
        RENAME data-sources.md)
# The data files are text files that lintian takes for documentation.
install(FILES ${CHEMENG_LINUX_DIR}/lintian-overrides DESTINATION share/lintian/overrides
        RENAME chemeng)

# --- The Debian package ---------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chemeng)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The chemeng developers")
set(CPACK_PACKAGE_CONTACT "The chemeng developers <chemeng@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://chemeng.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of properties of pure compounds, water and steam")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator for chemical engineers: one window with six pages\n"
    "giving the physical constants of a pure compound, its heat capacity,\n"
    "enthalpy change, liquid density and vapour pressure, and the properties\n"
    "of water and steam (saturated, superheated and subcooled, in SI or\n"
    "American engineering units).\n"
    "\n"
    "The same calculations are available on the command line as chemeng-cli,\n"
    "with tables over a temperature range and JSON output. The compound data\n"
    "are compiled from published handbooks and papers.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the install step creates get 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies: the shared libraries the programs link, as dpkg-shlibdeps
# names their packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
