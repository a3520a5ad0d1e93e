# Windows presets: the plug-in DLL, the Win32 code around the pure core, and
# the test program that runs under Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TOVRIN_PLUGIN_SUFFIX ".wcx64")
else()
    set(TOVRIN_PLUGIN_SUFFIX ".wcx")
endif()
set(TOVRIN_PLUGIN_FILE "Tovrin${TOVRIN_PLUGIN_SUFFIX}")

# One prefix for both Windows presets: its creation costs minutes.
set(TOVRIN_WINE_PREFIX "${CMAKE_SOURCE_DIR}/build/wine" CACHE PATH "Private Wine prefix of the test runs")
set(TOVRIN_WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine-run --prefix ${TOVRIN_WINE_PREFIX} --arch ${TOVRIN_WINE_ARCH})
set(CMAKE_CROSSCOMPILING_EMULATOR ${TOVRIN_WINE_RUN})

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

add_library(tovrin_win STATIC)
target_link_libraries(tovrin_win PUBLIC tovrin_pure comctl32 shell32 gdi32 user32 version)

function(tovrin_win_sources)
    target_sources(tovrin_win PRIVATE ${ARGN})
endfunction()

# The plug-in itself: the exports, the .def that names them undecorated, and
# the resources (resources in a static library would never be linked in).
add_library(Tovrin SHARED)
set_target_properties(Tovrin PROPERTIES PREFIX "" OUTPUT_NAME Tovrin SUFFIX ${TOVRIN_PLUGIN_SUFFIX})
target_link_libraries(Tovrin PRIVATE tovrin_win)
# The exports are __stdcall (decorated with @N on 32 bits); the .def names
# them plainly and --kill-at keeps the decoration out of the export table.
target_link_options(Tovrin PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup $<$<CONFIG:Release>:-s>)

function(tovrin_plugin_sources)
    target_sources(Tovrin PRIVATE ${ARGN})
endfunction()

add_executable(tovrin_tests)
target_include_directories(tovrin_tests PRIVATE ${DOCTEST_INCLUDE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tovrin_tests PRIVATE tovrin_win)
target_compile_definitions(tovrin_tests PRIVATE TOVRIN_PLUGIN_FILE="${TOVRIN_PLUGIN_FILE}")
add_dependencies(tovrin_tests Tovrin)

function(tovrin_pure_tests)
    target_sources(tovrin_tests PRIVATE ${ARGN})
endfunction()
function(tovrin_win_tests)
    target_sources(tovrin_tests PRIVATE ${ARGN})
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/WineTests.cmake)
