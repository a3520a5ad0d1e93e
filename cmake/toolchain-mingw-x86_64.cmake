# The same sources as a PE32+ x86-64 DLL for 64-bit hosts.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOVRIN_WINE_ARCH 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
