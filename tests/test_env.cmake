# Test helpers. Every test runs through tools/test-env/run.sh, which puts it in the private
# environment (X server, print server) that the fixtures below start and stop.
set(QUARNEL_TEST_STATE ${CMAKE_BINARY_DIR}/test-env)
set(QUARNEL_TEST_RUN ${PROJECT_SOURCE_DIR}/tools/test-env/run.sh ${QUARNEL_TEST_STATE})

# A private Xvfb with openbox, for what the offscreen platform does not do faithfully:
# the clipboard across processes, window manager behaviour, screenshots.
add_test(NAME env.xserver.start
         COMMAND ${PROJECT_SOURCE_DIR}/tools/test-env/xserver.sh start ${QUARNEL_TEST_STATE})
add_test(NAME env.xserver.stop
         COMMAND ${PROJECT_SOURCE_DIR}/tools/test-env/xserver.sh stop ${QUARNEL_TEST_STATE})
set_tests_properties(env.xserver.start PROPERTIES FIXTURES_SETUP xserver)
set_tests_properties(env.xserver.stop PROPERTIES FIXTURES_CLEANUP xserver)

# A private CUPS server whose default queue keeps each job's file instead of printing it,
# so that printing is tested for real without touching the machine's own printers.
add_test(NAME env.cups.start
         COMMAND ${PROJECT_SOURCE_DIR}/tools/test-env/cups.sh start ${QUARNEL_TEST_STATE})
add_test(NAME env.cups.stop
         COMMAND ${PROJECT_SOURCE_DIR}/tools/test-env/cups.sh stop ${QUARNEL_TEST_STATE})
set_tests_properties(env.cups.start PROPERTIES FIXTURES_SETUP cups)
set_tests_properties(env.cups.stop PROPERTIES FIXTURES_CLEANUP cups)

# quarnel_qtest(NAME SOURCES src... [LIBS lib...] [X11] [CUPS])
# A QtTest executable. Without X11 it runs on the offscreen platform; with X11 it runs on the
# private X server, one such test at a time (they share focus and the clipboard). CUPS adds
# the private print server.
function(quarnel_qtest name)
    cmake_parse_arguments(arg "X11;CUPS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${arg_LIBS})
    add_test(NAME ${name} COMMAND ${QUARNEL_TEST_RUN} $<TARGET_FILE:${name}>)
    set(fixtures "")
    set(locks "")
    if(arg_X11)
        list(APPEND fixtures xserver)
        list(APPEND locks xserver)
        set(platform xcb)
    else()
        set(platform offscreen)
    endif()
    if(arg_CUPS)
        list(APPEND fixtures cups)
        list(APPEND locks cups)
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=${platform}"
        FIXTURES_REQUIRED "${fixtures}"
        RESOURCE_LOCK "${locks}")
endfunction()

# quarnel_script_test(NAME COMMAND cmd... [X11] [CUPS])
# A test written as a script (shell or Python) around the real executable.
function(quarnel_script_test name)
    cmake_parse_arguments(arg "X11;CUPS" "" "COMMAND" ${ARGN})
    add_test(NAME ${name} COMMAND ${QUARNEL_TEST_RUN} ${arg_COMMAND})
    set(fixtures "")
    set(locks "")
    if(arg_X11)
        list(APPEND fixtures xserver)
        list(APPEND locks xserver)
    endif()
    if(arg_CUPS)
        list(APPEND fixtures cups)
        list(APPEND locks cups)
    endif()
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${fixtures}" RESOURCE_LOCK "${locks}")
endfunction()
