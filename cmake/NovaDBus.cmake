# nova_dbus_code(<sources variable> <xml file> <interface>
#     PROXY <basename> CLASSNAME <class> [INCLUDE <header>]
#   | ADAPTOR <basename> PARENT <header> <class>)
# Generates, with qdbusxml2cpp, the proxy (for a caller) or the adaptor (for the object
# that serves it) of one interface of a D-Bus XML file, in the current binary folder,
# and appends the generated sources to the variable. Qt's own macros take every
# interface of the file at once; a file that holds a service's interface beside the
# callback interface of its callers needs one side of each.
function(nova_dbus_code sources xml interface)
    cmake_parse_arguments(D "" "PROXY;CLASSNAME;INCLUDE;ADAPTOR" "PARENT" ${ARGN})
    get_filename_component(infile ${xml} ABSOLUTE)
    if(D_PROXY)
        set(basename ${D_PROXY})
        set(params -N -p ${basename} -c ${D_CLASSNAME})
        if(D_INCLUDE)
            list(APPEND params -i ${D_INCLUDE})
        endif()
    else()
        list(LENGTH D_PARENT parent_words)
        if(NOT D_ADAPTOR OR NOT parent_words EQUAL 2)
            message(FATAL_ERROR "nova_dbus_code: give PROXY and CLASSNAME, or ADAPTOR and PARENT <header> <class>")
        endif()
        list(GET D_PARENT 0 parent_header)
        list(GET D_PARENT 1 parent_class)
        set(basename ${D_ADAPTOR})
        set(params -a ${basename} -i ${parent_header} -l ${parent_class})
    endif()
    set(header ${CMAKE_CURRENT_BINARY_DIR}/${basename}.h)
    set(impl ${CMAKE_CURRENT_BINARY_DIR}/${basename}.cpp)
    set(moc ${CMAKE_CURRENT_BINARY_DIR}/${basename}.moc)
    add_custom_command(OUTPUT ${impl} ${header}
        COMMAND Qt5::qdbusxml2cpp -m ${params} ${infile} ${interface}
        DEPENDS ${infile}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        VERBATIM)
    set_source_files_properties(${impl} ${header} PROPERTIES SKIP_AUTOMOC TRUE SKIP_AUTOUIC TRUE)
    qt5_generate_moc(${header} ${moc})
    set_property(SOURCE ${impl} APPEND PROPERTY OBJECT_DEPENDS ${moc})
    set(${sources} ${${sources}} ${impl} ${header} ${moc} PARENT_SCOPE)
endfunction()
