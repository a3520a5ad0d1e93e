# Shared by both MinGW-w64 toolchains. The posix thread flavour gives the
# tests std::thread; everything is linked statically so that the plug-in and
# the test programs need nothing but system DLLs.
set(TOVRIN_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${TOVRIN_TRIPLE}-gcc-posix ${TOVRIN_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TOVRIN_TRIPLE}-g++-posix ${TOVRIN_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TOVRIN_TRIPLE}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${TOVRIN_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
