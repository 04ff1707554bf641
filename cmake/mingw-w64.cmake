# Cross build for Windows with the mingw-w64 "posix" compilers. KALK_WINDOWS_ARCH
# is i686 (the shipped 32-bit program) or x86_64 (for machines whose kernel runs
# no 32-bit code, where only 64-bit Wine works). The target's programs run under
# Wine through scripts/wine-run.
if(NOT KALK_WINDOWS_ARCH)
  set(KALK_WINDOWS_ARCH i686)
endif()
set(KALK_WINDOWS_ARCH ${KALK_WINDOWS_ARCH} CACHE STRING "i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KALK_WINDOWS_ARCH})
set(triple ${KALK_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
