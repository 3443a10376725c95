# nova_add_test(name SOURCES ... [LIBRARIES ...] [LABELS ...] [TIMEOUT s])
# Builds one Qt Test executable and registers it with CTest. Tests find the
# programs of the build through NOVA_BIN_DIR. The label "threaded" marks the tests
# whose code runs on several threads; the target nova_threaded_tests builds just
# those (and what they start), for the thread-sanitizer build.
add_custom_target(nova_threaded_tests)
set(NOVA_SANITIZER_OPTIONS
    "ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:halt_on_error=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp")
function(nova_add_test name)
    cmake_parse_arguments(T "X11" "TIMEOUT" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    if(NOT T_LABELS)
        set(T_LABELS unit)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test nova_testsupport ${T_LIBRARIES})
    # X11: the test runs as an X client on a virtual X server of its own, for what the
    # offscreen platform cannot do (reading the screen back).
    if(T_X11)
        add_test(NAME ${name} COMMAND xvfb-run -a -s "-screen 0 1280x800x24" $<TARGET_FILE:${name}>)
        set(platform xcb)
    else()
        add_test(NAME ${name} COMMAND ${name})
        set(platform offscreen)
    endif()
    set_tests_properties(${name} PROPERTIES
        LABELS "${T_LABELS}"
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "NOVA_BIN_DIR=${CMAKE_BINARY_DIR}/bin;QT_QPA_PLATFORM=${platform};${NOVA_SANITIZER_OPTIONS}")
    if("threaded" IN_LIST T_LABELS)
        add_dependencies(nova_threaded_tests ${name})
    endif()
endfunction()
