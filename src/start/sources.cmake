# The program's start-up glue, linked into the program alone (cmake/windows.cmake): the 32-bit
# entry point in place of the runtime's, and the runtime parts compiled for the oldest processor.
set(MARLIX_START_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/runtime_parts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runtime_parts_cow.cpp
)
set(MARLIX_START_ENTRY_SOURCE ${CMAKE_CURRENT_LIST_DIR}/program_start.cpp)
