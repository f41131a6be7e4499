# Fails when a product file includes a header of a floor above its own.
# The floors, top to bottom: program → the families → app → core. A family
# (papers, works, lessons, problems, games) sees app and core, never another
# family; the report and datagen stand beside the program; no product file
# includes the test support in src/testing.
#   cmake -DSOURCE_DIR=<repository> -P cmake/check_layers.cmake
cmake_minimum_required(VERSION 3.25)
set(families papers works lessons problems games)
set(allowed_core core)
set(allowed_app app core)
foreach(family ${families})
  set(allowed_${family} ${family} app core)
endforeach()
set(allowed_program program ${families} app core)
set(allowed_report report core)
set(allowed_datagen datagen app core)

file(GLOB_RECURSE product_files
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/tools/datagen/*.cpp ${SOURCE_DIR}/tools/datagen/*.h)
list(FILTER product_files EXCLUDE REGEX "(_test\\.cpp|/src/testing/.*)$")
set(violations "")
foreach(path ${product_files})
  file(RELATIVE_PATH relative ${SOURCE_DIR} ${path})
  if(relative MATCHES "^tools/datagen/")
    set(floor datagen)
  else()
    string(REGEX REPLACE "^src/([^/]+)/.*" "\\1" floor "${relative}")
  endif()
  if(NOT DEFINED allowed_${floor})
    list(APPEND violations "${relative}: a folder the floors do not name")
    continue()
  endif()
  file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" target "${line}")
    if(NOT target IN_LIST allowed_${floor})
      list(APPEND violations "${relative} (${floor}) includes ${target}/")
    endif()
  endforeach()
endforeach()
if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes that run against the floors:\n  ${text}")
endif()
