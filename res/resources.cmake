# The resource script and what it includes. The pictures it names (toolbar bitmaps, icon, About
# animation) are drawn at build time from res/pictures/ into ${MARLIX_PICTURES_DIR}.
set(MARLIX_RESOURCES ${CMAKE_SOURCE_DIR}/res/marlix.rc)
file(GLOB MARLIX_RESOURCE_PARTS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h
     ${CMAKE_SOURCE_DIR}/res/*.in ${CMAKE_SOURCE_DIR}/res/*.txt)

find_program(MARLIX_PYTHON3 python3 REQUIRED)
set(MARLIX_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)

# pictures.rc names every generated file; the build makes exactly those (the generator's
# --check test holds the two together).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/pictures.rc)
file(STRINGS ${CMAKE_SOURCE_DIR}/res/pictures.rc MARLIX_PICTURE_LINES
     REGEX "^[A-Z_0-9]+ +(BITMAP|ICON|AVI) +\"[^\"]+\"")
set(MARLIX_PICTURES)
foreach(line IN LISTS MARLIX_PICTURE_LINES)
    string(REGEX REPLACE "^.*\"([^\"]+)\".*$" "\\1" file_name "${line}")
    list(APPEND MARLIX_PICTURES ${MARLIX_PICTURES_DIR}/${file_name})
endforeach()

file(GLOB MARLIX_PICTURE_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/res/pictures/*.txt ${CMAKE_SOURCE_DIR}/tools/pictures/*.py)
add_custom_command(
    OUTPUT ${MARLIX_PICTURES}
    COMMAND ${MARLIX_PYTHON3} ${CMAKE_SOURCE_DIR}/tools/make_pictures.py ${MARLIX_PICTURES_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_pictures.py ${MARLIX_PICTURE_SOURCES}
    COMMENT "Drawing the toolbar bitmaps, the icon and the About animation"
    VERBATIM)
add_custom_target(marlix_pictures DEPENDS ${MARLIX_PICTURES})

# The project version reaches the program through files made here: the About texts (their
# sources in res/ hold @PROJECT_VERSION@) and marlix_version.h for the version resource.
set(MARLIX_VERSIONED_DIR ${CMAKE_BINARY_DIR}/versioned)
set(MARLIX_VERSIONED_FILES)
foreach(file_name about_en.rtf about_es.rtf marlix_version.h)
    configure_file(${CMAKE_SOURCE_DIR}/res/${file_name}.in ${MARLIX_VERSIONED_DIR}/${file_name} @ONLY)
    list(APPEND MARLIX_VERSIONED_FILES ${MARLIX_VERSIONED_DIR}/${file_name})
endforeach()
list(APPEND MARLIX_RESOURCE_PARTS ${MARLIX_VERSIONED_FILES})

set(CMAKE_RC_FLAGS
    "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${MARLIX_PICTURES_DIR} -I${MARLIX_VERSIONED_DIR} -c 1252")

# Every target that compiles marlix.rc calls this in its own folder: source properties belong to
# a folder, and the pictures must be drawn before the script compiles and redrawn when changed.
function(marlix_use_resources target)
    set_source_files_properties(${CMAKE_SOURCE_DIR}/res/marlix.rc PROPERTIES
        OBJECT_DEPENDS "${MARLIX_RESOURCE_PARTS};${MARLIX_PICTURES}")
    add_dependencies(${target} marlix_pictures)
endfunction()
