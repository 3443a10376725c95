# nova_add_test(name SOURCES ... [LIBRARIES ...] [LABELS ...] [TIMEOUT s])
# Builds one Qt Test executable and registers it with CTest. Tests find the
# programs of the build through NOVA_BIN_DIR.
function(nova_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    if(NOT T_LABELS)
        set(T_LABELS unit)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test nova_testsupport ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        LABELS "${T_LABELS}"
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "NOVA_BIN_DIR=${CMAKE_BINARY_DIR}/bin;QT_QPA_PLATFORM=offscreen")
endfunction()
