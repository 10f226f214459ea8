# The resource script and what it includes. Generated pictures (if any) are added by the files
# that generate them.
set(MARLIX_RESOURCES ${CMAKE_SOURCE_DIR}/res/marlix.rc)
file(GLOB MARLIX_RESOURCE_PARTS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h
    ${CMAKE_SOURCE_DIR}/res/*.rtf ${CMAKE_SOURCE_DIR}/res/*.txt)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/marlix.rc PROPERTIES
    OBJECT_DEPENDS "${MARLIX_RESOURCE_PARTS}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -c 1252")
