include(GoogleTest)
find_package(GTest REQUIRED)

# tk_add_test(NAME <exe> [XVFB] [SOAK] [INSTALL] LABELS <folder> SOURCES ... [LIBS ...])
# One test executable on the headless backend; each case is registered with CTest under the labels.
# XVFB: it needs a real X server (label xvfb). SOAK: it plays many whole games (label soak).
# INSTALL: it installs the program or builds its package (label install).
function(tk_add_test)
    cmake_parse_arguments(T "XVFB;SOAK;INSTALL" "NAME" "LABELS;SOURCES;LIBS" ${ARGN})
    if(T_XVFB)
        list(APPEND T_LABELS xvfb)
    endif()
    if(T_SOAK)
        list(APPEND T_LABELS soak)
    endif()
    if(T_INSTALL)
        list(APPEND T_LABELS install)
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    tk_warnings(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE tk_platform_headless tk_test_common ${T_LIBS} GTest::gtest GTest::gtest_main)
    set(workdir ${CMAKE_BINARY_DIR}/testrun/${T_NAME})
    file(MAKE_DIRECTORY ${workdir})
    if(T_XVFB OR T_SOAK OR T_INSTALL)
        # Tests needing a real X server, the long runs and those that install the program or build
        # its package are one CTest test each, which keeps every label (discovered cases take only
        # the first).
        add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${workdir})
        set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT 1800)
        # Two X servers started at once by xvfb-run -a can race for the same display number.
        if(T_XVFB)
            set_tests_properties(${T_NAME} PROPERTIES RUN_SERIAL TRUE)
        endif()
    else()
        gtest_discover_tests(${T_NAME}
            WORKING_DIRECTORY ${workdir}
            DISCOVERY_MODE PRE_TEST
            PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()
