# Registers the Windows test program with CTest. Test cases that need another
# ANSI code page or system language sit in a doctest test suite named after
# it; each suite runs under the locale that gives Wine that setting.
set(TOVRIN_LOCALE_SUITES "cp1251=ru_RU.UTF-8" "cp932=ja_JP.UTF-8" "ukrainian=uk_UA.UTF-8")
set(TOVRIN_DEFAULT_LOCALE "en_US.UTF-8")

function(tovrin_register_wine_tests target)
    set(exe $<TARGET_FILE:${target}>)
    set(suites "")
    foreach(pair IN LISTS TOVRIN_LOCALE_SUITES)
        string(REPLACE "=" ";" kv "${pair}")
        list(GET kv 0 suite)
        list(APPEND suites ${suite})
    endforeach()
    list(JOIN suites "," excluded)
    if(TOVRIN_WINE_ARCH EQUAL 32)
        # Every 32-bit process start costs about a minute under qemu: one
        # process runs the whole suite of each locale.
        add_test(NAME win32_suite COMMAND ${target} --test-suite-exclude=${excluded})
        set_tests_properties(win32_suite PROPERTIES ENVIRONMENT "LC_ALL=${TOVRIN_DEFAULT_LOCALE}" TIMEOUT 1800)
        foreach(pair IN LISTS TOVRIN_LOCALE_SUITES)
            string(REPLACE "=" ";" kv "${pair}")
            list(GET kv 0 suite)
            list(GET kv 1 loc)
            add_test(NAME win32_suite_${suite} COMMAND ${target} --test-suite=${suite})
            set_tests_properties(win32_suite_${suite} PROPERTIES ENVIRONMENT "LC_ALL=${loc}" TIMEOUT 1800)
        endforeach()
    else()
        # 64-bit processes start in a fraction of a second: one CTest test per
        # test case, found when CTest starts.
        set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_discover.cmake)
        file(GENERATE OUTPUT ${script} CONTENT
"set(exe \"${exe}\")
set(runner \"${TOVRIN_WINE_RUN}\")
set(locale_suites \"${TOVRIN_LOCALE_SUITES}\")
set(default_locale \"${TOVRIN_DEFAULT_LOCALE}\")
set(excluded \"${excluded}\")
include(\"${CMAKE_SOURCE_DIR}/cmake/DiscoverWineTests.cmake\")
")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
    endif()
endfunction()
