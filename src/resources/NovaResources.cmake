# Helpers that turn sources and build-time pictures into Qt resource collections.

find_program(NOVA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(NOVA_PYFTSUBSET pyftsubset REQUIRED)
set(NOVA_ICON_FONT /usr/share/fonts/truetype/materialdesignicons-webfont/materialdesignicons-webfont.ttf)
set(NOVA_ICON_CODES /usr/share/fonts-materialdesignicons-webfont/scss/_variables.scss)

# nova_write_qrc(<qrc file> <alias> <file> [<alias> <file> ...])
# Writes a collection whose entries name files by absolute path under their
# resource aliases, so sources and generated pictures share one resource tree.
# The file is rewritten only when its content changes.
function(nova_write_qrc qrc)
    set(entries ${ARGN})
    set(body "<RCC>\n  <qresource prefix=\"/\">\n")
    while(entries)
        list(POP_FRONT entries alias file)
        string(APPEND body "    <file alias=\"${alias}\">${file}</file>\n")
    endwhile()
    string(APPEND body "  </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT ${qrc} CONTENT "${body}" @ONLY)
endfunction()

# nova_qml_sources(<pairs variable> <files variable> <folder> <name>...)
# Sets the pairs variable to "<name>;<folder>/<name>" pairs for nova_write_qrc and the
# files variable to the files, and lists the files for the qmllint test.
function(nova_qml_sources pairs_result files_result folder)
    set(pairs)
    set(files)
    foreach(name IN LISTS ARGN)
        list(APPEND pairs ${name} ${folder}/${name})
        list(APPEND files ${folder}/${name})
    endforeach()
    set_property(GLOBAL APPEND PROPERTY NOVA_QML_SOURCES ${files})
    set(${pairs_result} ${pairs} PARENT_SCOPE)
    set(${files_result} ${files} PARENT_SCOPE)
endfunction()

# nova_rcc(OUTPUT <file> QRC <qrc> [BINARY] [NAME <name>] [OPTIONS ...] [DEPENDS ...])
# Runs rcc: BINARY makes an external .rcc file, otherwise C++ source named NAME.
function(nova_rcc)
    cmake_parse_arguments(R "BINARY" "OUTPUT;QRC;NAME" "OPTIONS;DEPENDS" ${ARGN})
    if(R_BINARY)
        set(mode -binary)
    else()
        set(mode -name ${R_NAME})
    endif()
    add_custom_command(OUTPUT ${R_OUTPUT}
        COMMAND Qt5::rcc ${mode} ${R_OPTIONS} -o ${R_OUTPUT} ${R_QRC}
        DEPENDS ${R_QRC} ${R_DEPENDS}
        COMMENT "Packing ${R_OUTPUT}"
        VERBATIM)
endfunction()

# nova_subset_font(<font> <face number> <output> TEXT <file>... [UNICODES <ranges>] [ALL_NAMES])
# Cuts face <face number> of a font (collection) down to the characters the TEXT files
# (UTF-8) contain and the UNICODES ranges ("U+0020-007E,..."). ALL_NAMES keeps every
# name record: a face that is one weight of a family (Roboto Light) is only found under
# the family's name through its typographic family and style records. The output
# depends only on its inputs, so rebuilding gives the same file.
function(nova_subset_font font face output)
    cmake_parse_arguments(S "ALL_NAMES" "UNICODES" "TEXT" ${ARGN})
    set(text_options)
    if(S_ALL_NAMES)
        list(APPEND text_options --name-IDs=*)
    endif()
    foreach(file IN LISTS S_TEXT)
        list(APPEND text_options --text-file=${file})
    endforeach()
    if(S_UNICODES)
        list(APPEND text_options --unicodes=${S_UNICODES})
    endif()
    get_filename_component(dir ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${NOVA_PYFTSUBSET} ${font} --font-number=${face} --output-file=${output} ${text_options}
        DEPENDS ${font} ${S_TEXT}
        COMMENT "Subsetting ${output}"
        VERBATIM)
endfunction()

# nova_render_icons(<manifest> <output folder> <pairs variable> <files variable>)
# Renders the icon-font glyphs a manifest lists (see tools/iconrender), sets the pairs
# variable to the list of "<alias>;<png file>" pairs for nova_write_qrc and the files
# variable to the PNG files.
function(nova_render_icons manifest outdir result files_result)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
    file(STRINGS ${manifest} lines REGEX "^[^#].*[^ ]")
    set(pairs)
    set(outputs)
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^[^ \t]+" alias "${line}")
        list(APPEND pairs ${alias} ${outdir}/${alias})
        list(APPEND outputs ${outdir}/${alias})
    endforeach()
    add_custom_command(OUTPUT ${outputs}
        COMMAND nova-iconrender ${NOVA_ICON_FONT} ${NOVA_ICON_CODES} ${manifest} ${outdir}
        DEPENDS nova-iconrender ${manifest}
        COMMENT "Rendering icons of ${manifest}"
        VERBATIM)
    set(${result} ${pairs} PARENT_SCOPE)
    set(${files_result} ${outputs} PARENT_SCOPE)
endfunction()

# nova_render_svg(<svg> <png> <size in px> <result variable>)
# Renders a square SVG drawing to PNG and appends the PNG to the result variable.
function(nova_render_svg svg png size result)
    get_filename_component(dir ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${NOVA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg}
        VERBATIM)
    set(${result} ${${result}} ${png} PARENT_SCOPE)
endfunction()
