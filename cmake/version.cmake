# The one version of a build: the project's MAJOR.MINOR.PATCH, and when the
# source is a git checkout, what git describe adds to it after a "+" (the
# commit, "-dirty" for a tree with changes): 1.0.0+gdeec5a6. The plain part
# before the "+" is what compares (pkgbuild, a smart group's "less than");
# the whole names the build. A source without .git (a tarball) reports the
# project version alone; -DQC_VERSION=... overrides both.
#
# Included by the top CMakeLists.txt, which sets QC_VERSION and
# QC_PLAIN_VERSION; run on its own
# (cmake -DSOURCE=DIR -DBASE=1.0.0 -P cmake/version.cmake) it prints, on
# standard output, the version a build of DIR would report.
function(qc_describe_version source base out)
  set(version "${base}")
  find_package(Git QUIET)
  if(GIT_FOUND AND EXISTS "${source}/.git")
    # A fixed abbreviation: the same commit gives the same text in any clone.
    # A checkout owned by another user is still read (git refuses it otherwise).
    execute_process(COMMAND "${GIT_EXECUTABLE}" -c safe.directory=* describe --always --dirty --abbrev=7 --match "v[0-9]*"
      WORKING_DIRECTORY "${source}" OUTPUT_VARIABLE describe OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND NOT describe STREQUAL "v${base}")
      # "v1.0.0-3-g0123456" keeps what follows the tag ("+3-g0123456"); an
      # untagged history gives the bare commit, written "+g<commit>".
      if(describe MATCHES "^v[^-]+-(.*)$")
        set(version "${base}+${CMAKE_MATCH_1}")
      else()
        set(version "${base}+g${describe}")
      endif()
    endif()
  endif()
  set(${out} "${version}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  qc_describe_version("${SOURCE}" "${BASE}" version)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${version}")
  return()
endif()

if(NOT QC_VERSION)
  qc_describe_version("${PROJECT_SOURCE_DIR}" "${PROJECT_VERSION}" QC_VERSION)
  # A new commit, or a change git has noticed, configures again.
  find_package(Git QUIET)
  if(GIT_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
    foreach(name HEAD index)
      execute_process(COMMAND "${GIT_EXECUTABLE}" -c safe.directory=* rev-parse --git-path "${name}"
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      get_filename_component(path "${path}" ABSOLUTE BASE_DIR "${PROJECT_SOURCE_DIR}")
      if(EXISTS "${path}")
        set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${path}")
      endif()
    endforeach()
  endif()
endif()
string(REGEX REPLACE "\\+.*" "" QC_PLAIN_VERSION "${QC_VERSION}")
# What the build says, for scripts and tests: the same text the binary reports.
file(WRITE "${CMAKE_BINARY_DIR}/version" "${QC_VERSION}\n")
message(STATUS "quorvandel-connect ${QC_VERSION}")
