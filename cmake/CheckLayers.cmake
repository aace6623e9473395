# Checks that each source file of the program includes only headers of its
# own layer or of the layers below it, and Qt's headers only where the window
# is built:
#
#   cmake -DSOURCE_DIR=<repository> -P cmake/CheckLayers.cmake
#
# Prints one line for each include that breaks a rule, then fails if there
# was any.
cmake_minimum_required(VERSION 3.25)

# What the files of each folder may include: the folder, then the folders
# whose headers it may use ("Qt" stands for Qt's headers). A file follows the
# rule of the deepest folder that holds it, so that an area can be given a
# narrower rule than its layer, e.g. "model/attributes : platform persist
# model/attributes".
set(rules
    "platform    : platform"
    "platform/qt : platform Qt"
    "persist     : platform persist"
    "model       : platform persist model"
    "model/base       : platform persist model/base"
    "model/attributes : platform persist model/base model/attributes"
    "model/titles     : platform persist model/base model/attributes model/titles"
    "model/axes       : platform persist model/base model/attributes model/titles model/axes"
    "store       : platform persist model store"
    "cli         : platform persist model store cli"
    "app         : platform persist model store app Qt")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "Usage: cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake")
endif()

# Splits the rules into the list of ruled folders and, for each folder F, the
# variable allowed_F listing what it may include.
set(folders "")
foreach(rule IN LISTS rules)
  string(REGEX MATCH "^ *([^ :]+) *: *(.*)$" matched "${rule}")
  set(folder "${CMAKE_MATCH_1}")
  string(STRIP "${CMAKE_MATCH_2}" allowed)
  string(REGEX REPLACE " +" ";" allowed "${allowed}")
  list(APPEND folders "${folder}")
  set("allowed_${folder}" "${allowed}")
endforeach()

# The deepest ruled folder holding `file` (a path relative to SOURCE_DIR).
function(ruling_folder file result)
  set(best "")
  foreach(folder IN LISTS folders)
    string(LENGTH "${folder}" length)
    string(LENGTH "${best}" bestLength)
    if(file MATCHES "^${folder}/" AND length GREATER bestLength)
      set(best "${folder}")
    endif()
  endforeach()
  set(${result} "${best}" PARENT_SCOPE)
endfunction()

# Whether the header named in `include` (with its quotes or angle brackets)
# is one that the folders in `allowed` may use. Headers in angle brackets are
# the system's and the libraries', and only Qt's are ruled.
function(include_allowed include allowed result)
  set(${result} FALSE PARENT_SCOPE)
  if(include MATCHES "^<(.*)>$")
    if(NOT CMAKE_MATCH_1 MATCHES "^Q[A-Za-z0-9_]*(/|$)" OR "Qt" IN_LIST allowed)
      set(${result} TRUE PARENT_SCOPE)
    endif()
    return()
  endif()
  string(REGEX REPLACE "^\"(.*)\"$" "\\1" header "${include}")
  foreach(folder IN LISTS allowed)
    if(header MATCHES "^${folder}/")
      set(${result} TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

set(files "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE found RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
       "${SOURCE_DIR}/${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
list(REMOVE_DUPLICATES files)
list(SORT files)

set(broken 0)
foreach(file IN LISTS files)
  ruling_folder("${file}" folder)
  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "[<\"][^>\"]*[>\"]" include "${line}")
    include_allowed("${include}" "${allowed_${folder}}" allowed)
    if(NOT allowed)
      message(NOTICE "${file}: includes ${include}, which ${folder}/ may not include")
      math(EXPR broken "${broken} + 1")
    endif()
  endforeach()
endforeach()

if(broken GREATER 0)
  message(FATAL_ERROR "${broken} include(s) break the layers")
endif()
list(LENGTH files count)
message(STATUS "Layers kept by all ${count} files")
