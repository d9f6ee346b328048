include(GoogleTest)
find_package(GTest REQUIRED)

# tk_add_test(NAME <exe> LABELS <folder> [xvfb] SOURCES ... [LIBS ...])
# One test executable on the headless backend; each case is registered with CTest under the labels.
function(tk_add_test)
    cmake_parse_arguments(T "" "NAME" "LABELS;SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    tk_warnings(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE tk_platform_headless tk_test_common ${T_LIBS} GTest::gtest GTest::gtest_main)
    set(workdir ${CMAKE_BINARY_DIR}/testrun/${T_NAME})
    file(MAKE_DIRECTORY ${workdir})
    if("xvfb" IN_LIST T_LABELS OR "install" IN_LIST T_LABELS)
        # Tests needing a real X server, and those that install the program or build its package,
        # run as one CTest test, which keeps every label (a discovered test keeps only the first).
        add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${workdir})
        set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT 1800)
    else()
        gtest_discover_tests(${T_NAME}
            WORKING_DIRECTORY ${workdir}
            DISCOVERY_MODE PRE_TEST
            PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()
