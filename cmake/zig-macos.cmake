# Cross-compiling for macOS with zig's C/C++ compiler, one architecture
# (QC_MAC_ARCH: x86_64 or arm64) per build, as the presets macos-x86_64 and
# macos-arm64 do. Each configure asks scripts/lib/cache.sh for the checked
# zig and the compiler wrappers around it (toolchain/bin in the build
# folder), and copies the JSON headers beside them (toolchain/include), so
# the host's /usr/include, Linux's libc headers, stays off the compiler's
# path. Setting the system name makes APPLE true, so the Apple-only code is
# what compiles.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_VERSION 20.0)  # macOS 11
set(CMAKE_SYSTEM_PROCESSOR ${QC_MAC_ARCH})
# A try_compile project gets the folder that its configure prepared.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QC_MAC_ARCH QC_MAC_TOOLS)
if(NOT QC_MAC_TOOLS)
  if(NOT QC_MAC_ARCH MATCHES "^(x86_64|arm64)$")
    message(FATAL_ERROR "QC_MAC_ARCH is \"${QC_MAC_ARCH}\", not x86_64 or arm64: use the macos-* presets")
  endif()
  set(QC_MAC_TOOLS ${CMAKE_BINARY_DIR}/toolchain)
  execute_process(COMMAND bash -c ". \"$0\" && qc_zig_wrappers \"$1\" \"$2\""
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/cache.sh ${QC_MAC_TOOLS} ${QC_MAC_ARCH} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "the zig toolchain is not ready (the line above says why)")
  endif()
  file(COPY /usr/include/nlohmann DESTINATION ${QC_MAC_TOOLS}/include)
  file(COPY /usr/share/cmake/nlohmann_json DESTINATION ${QC_MAC_TOOLS}/share/cmake)
endif()

set(CMAKE_C_COMPILER ${QC_MAC_TOOLS}/bin/cc)
set(CMAKE_CXX_COMPILER ${QC_MAC_TOOLS}/bin/c++)
set(CMAKE_AR ${QC_MAC_TOOLS}/bin/ar CACHE FILEPATH "" FORCE)
set(CMAKE_RANLIB ${QC_MAC_TOOLS}/bin/ranlib CACHE FILEPATH "" FORCE)
# Asked for once a second language (libplist's C) meets the Darwin platform;
# nothing here is installed with a changed name, so LLVM's serves.
set(CMAKE_INSTALL_NAME_TOOL /usr/bin/llvm-install-name-tool-14 CACHE FILEPATH "" FORCE)
# The target triple carries the architecture and the minimum system; no
# SDK or -arch flags of CMake's own.
set(CMAKE_OSX_ARCHITECTURES "" CACHE STRING "" FORCE)
set(CMAKE_OSX_DEPLOYMENT_TARGET "" CACHE STRING "" FORCE)
set(CMAKE_OSX_SYSROOT "" CACHE PATH "" FORCE)
# No debug map: zig compiles with debug info unless told not to, and its
# linker would then list every object (the build folder's, the cache's) by
# absolute path in the binary, so no two folders would give the same bytes.
# -S keeps the map of zig's own libc++ out too; the symbol table stays.
# Forced, so that a build folder configured before gets them as well.
set(CMAKE_C_FLAGS -g0 CACHE STRING "" FORCE)
set(CMAKE_CXX_FLAGS -g0 CACHE STRING "" FORCE)
set(CMAKE_EXE_LINKER_FLAGS -Wl,-S CACHE STRING "" FORCE)

# Libraries and packages only from the prepared prefix, programs from here.
set(CMAKE_FIND_ROOT_PATH ${QC_MAC_TOOLS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
