# Test helpers. Every test runs through tools/test-env/run.sh, which puts it in the private
# environment (X server, print server) that the fixtures below start and stop.
set(QUARNEL_TEST_STATE ${CMAKE_BINARY_DIR}/test-env)
set(QUARNEL_TEST_RUN ${PROJECT_SOURCE_DIR}/tools/test-env/run.sh ${QUARNEL_TEST_STATE})

# A private server as a fixture: tools/test-env/SCRIPT start and stop around the tests that
# need it.
function(quarnel_test_server fixture script)
    add_test(NAME env.${fixture}.start
             COMMAND ${PROJECT_SOURCE_DIR}/tools/test-env/${script} start ${QUARNEL_TEST_STATE})
    add_test(NAME env.${fixture}.stop
             COMMAND ${PROJECT_SOURCE_DIR}/tools/test-env/${script} stop ${QUARNEL_TEST_STATE})
    set_tests_properties(env.${fixture}.start PROPERTIES FIXTURES_SETUP ${fixture})
    set_tests_properties(env.${fixture}.stop PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()

# A private Xvfb with openbox, for what the offscreen platform does not do faithfully:
# the clipboard across processes, window manager behaviour, screenshots.
quarnel_test_server(xserver xserver.sh)
# A private CUPS server whose default queue keeps each job's file instead of printing it,
# so that printing is tested for real without touching the machine's own printers.
quarnel_test_server(cups cups.sh)

# Labels pick a part of the suite: `ctest -L unit` runs the tests that need neither a window
# nor a server, in seconds. Every test is labelled by what it needs: unit (nothing), widget (the
# offscreen platform), x11 (the private X server), cups (the private print server), script (a
# script around the program); a folder adds its own (robustness, package).
#
# Gives a test the private servers it asks for (X11, CUPS): their fixtures, their labels, and a
# lock so that tests sharing a server (focus, clipboard, print queue) run one at a time.
function(quarnel_use_test_servers name x11 cups)
    set(servers "")
    set(labels "")
    if(x11)
        list(APPEND servers xserver)
        list(APPEND labels x11)
    endif()
    if(cups)
        list(APPEND servers cups)
        list(APPEND labels cups)
    endif()
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${servers}" RESOURCE_LOCK "${servers}")
    set_property(TEST ${name} APPEND PROPERTY LABELS ${labels})
endfunction()

# quarnel_qtest(NAME SOURCES src... [LIBS lib...] [X11] [CUPS])
# A QtTest executable. Without X11 it runs on the offscreen platform; with X11 it runs on the
# private X server. CUPS adds the private print server.
function(quarnel_qtest name)
    cmake_parse_arguments(arg "X11;CUPS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${arg_LIBS})
    add_test(NAME ${name} COMMAND ${QUARNEL_TEST_RUN} $<TARGET_FILE:${name}>)
    if(arg_X11)
        set(platform xcb)
    else()
        set(platform offscreen)
        set_property(TEST ${name} APPEND PROPERTY LABELS widget)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=${platform}")
    quarnel_use_test_servers(${name} "${arg_X11}" "${arg_CUPS}")
endfunction()

# quarnel_script_test(NAME COMMAND cmd... [X11] [CUPS])
# A test written as a script (shell or Python) around the real executable.
function(quarnel_script_test name)
    cmake_parse_arguments(arg "X11;CUPS" "" "COMMAND" ${ARGN})
    add_test(NAME ${name} COMMAND ${QUARNEL_TEST_RUN} ${arg_COMMAND})
    set_property(TEST ${name} APPEND PROPERTY LABELS script)
    quarnel_use_test_servers(${name} "${arg_X11}" "${arg_CUPS}")
endfunction()
