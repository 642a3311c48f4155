# Cross-build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix).
# The -posix compilers: GoogleTest needs their thread model (std::mutex, std::thread).
#   the core:   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#                     -DMIROTA_BUILD_GUI=OFF -DMIROTA_BUILD_BENCH=OFF
#   the window: add -DMIROTA_WINDOWS_QT=FOLDER (an unpacked Qt for MinGW, see scripts/build-qt-mingw)
#               and leave MIROTA_BUILD_GUI on.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MIROTA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MIROTA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MIROTA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MIROTA_MINGW_TRIPLE}-windres)

# Without Qt the runtime (libstdc++, libgcc, winpthread) goes into every program, so that it runs on a
# plain Windows, or wine, without the toolchain's DLLs. Qt's DLLs use the runtime's DLLs: a build with
# Qt does too, so that a process holds one runtime, and ships them beside the programs.
set(MIROTA_WINDOWS_QT "" CACHE PATH "Qt 6 built for MinGW-w64 (the unpacked archive's qt6-mingw folder)")
if(MIROTA_WINDOWS_QT)
  list(APPEND CMAKE_PREFIX_PATH ${MIROTA_WINDOWS_QT})
  # moc, rcc and uic come from the host's Qt of the same version.
  set(QT_HOST_PATH /usr CACHE PATH "")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
else()
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# CLI11 and nlohmann-json are header-only: the host's copies serve. Their folders alone are put under
# a root of their own, so that the host's C library headers in /usr/include stay out of the build.
set(MIROTA_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
foreach(item include/CLI include/nlohmann share/cmake/CLI11 share/cmake/nlohmann_json)
  if(EXISTS /usr/${item} AND NOT EXISTS ${MIROTA_HOST_HEADERS}/${item})
    get_filename_component(parent ${MIROTA_HOST_HEADERS}/${item} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK /usr/${item} ${MIROTA_HOST_HEADERS}/${item} SYMBOLIC)
  endif()
endforeach()
set(CLI11_DIR ${MIROTA_HOST_HEADERS}/share/cmake/CLI11 CACHE PATH "CLI11 package folder")
set(nlohmann_json_DIR ${MIROTA_HOST_HEADERS}/share/cmake/nlohmann_json CACHE PATH "nlohmann-json package folder")

set(CMAKE_FIND_ROOT_PATH /usr/${MIROTA_MINGW_TRIPLE} ${MIROTA_HOST_HEADERS} ${MIROTA_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No prebuilt GoogleTest exists for the target: the tests build it from its sources.
set(MIROTA_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the target")

# ctest runs the programs under wine.
find_program(MIROTA_WINE wine)
if(MIROTA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MIROTA_WINE})
endif()
