# The product: a PE32 i386 DLL for 32-bit hosts.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOVRIN_WINE_ARCH 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
