# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows from Debian with MinGW-w64 (posix threads)
# against a Qt for Windows unpacked at J3K_QT_SDK, with the host's own Qt
# tools (moc, rcc, uic, lrelease) under QT_HOST_PATH. ./scripts/windows
# passes both.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# try_compile() projects read this file again and see only what is listed here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES J3K_QT_SDK QT_HOST_PATH)
if(NOT J3K_QT_SDK AND DEFINED ENV{J3K_QT_SDK})
  set(J3K_QT_SDK "$ENV{J3K_QT_SDK}" CACHE PATH "A Qt for Windows (MinGW-w64)")
endif()
if(NOT J3K_QT_SDK)
  message(FATAL_ERROR "Set J3K_QT_SDK to the folder of a Qt for Windows (MinGW-w64); ./scripts/windows does")
endif()
if(NOT QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "Where the host's Qt tools live")
endif()

# Libraries, headers and packages come from the SDK and the MinGW sysroot
# only; programs (the host's Qt tools, wine) from the host.
set(CMAKE_FIND_ROOT_PATH "${J3K_QT_SDK}" /usr/x86_64-w64-mingw32)
list(PREPEND CMAKE_PREFIX_PATH "${J3K_QT_SDK}/lib/cmake")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
