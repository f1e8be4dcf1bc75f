# Fails when a file of a core layer includes a header of a layer it may not
# use. Run as a test: cmake -DSOURCE_DIR=<repository> -P check_layers.cmake
#
# Layers, lowest first; each may include itself and what its list names:
#   framework  dialog layer, text and number formats
#   compounds  data files, tables, picker, compound correlations
#   water      water and steam formulations (reads its table with the
#              compounds layer's fixed-column reader)
#   pages      the six pages, their layouts and the page catalogue
# The front ends (app, cli, python, fuzz, bench, tests, tools) sit on top and
# may include any layer; no layer may include a front end, nor one above it.
cmake_minimum_required(VERSION 3.25)

set(front_ends app cli python fuzz bench tests tools resources)
set(allowed_framework framework)
set(allowed_compounds framework compounds)
set(allowed_water framework compounds water)
set(allowed_pages framework compounds water pages)
set(all_folders framework compounds water pages ${front_ends})

set(violations "")
foreach(layer IN ITEMS framework compounds water pages)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+" folder "${header}")
      if(NOT header MATCHES "/" OR NOT folder IN_LIST all_folders)
        continue()  # a header beside the file, or not one of ours
      endif()
      if(NOT folder IN_LIST allowed_${layer})
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        list(APPEND violations "${shown} (${layer}) includes ${header} (${folder})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "Includes against the layering:\n  ${report}")
endif()
message(STATUS "Layering holds: no layer includes one above it")
