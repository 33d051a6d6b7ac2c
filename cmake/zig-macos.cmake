# Cross-compiling for macOS with zig's C/C++ compiler, one architecture per
# build. scripts/build-macos prepares, in the cache, QC_MAC_ROOT (bin/ holds
# wrappers around "zig c++ -target <arch>-macos.11.0" and "zig ar"; the rest
# is a prefix with the JSON headers) and QC_MAC_PLIST, a prefix with static
# libplist 2.7 and its pkg-config file. Setting the
# system name makes APPLE true, so the Apple-only code is what compiles.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_VERSION 20.0)  # macOS 11
set(CMAKE_SYSTEM_PROCESSOR ${QC_MAC_ARCH})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QC_MAC_ROOT QC_MAC_PLIST QC_MAC_ARCH)

set(CMAKE_C_COMPILER ${QC_MAC_ROOT}/bin/cc)
set(CMAKE_CXX_COMPILER ${QC_MAC_ROOT}/bin/c++)
set(CMAKE_AR ${QC_MAC_ROOT}/bin/ar CACHE FILEPATH "" FORCE)
set(CMAKE_RANLIB ${QC_MAC_ROOT}/bin/ranlib CACHE FILEPATH "" FORCE)
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
set(CMAKE_FIND_ROOT_PATH ${QC_MAC_ROOT} ${QC_MAC_PLIST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} ${QC_MAC_PLIST}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
