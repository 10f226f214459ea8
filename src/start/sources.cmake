# The program's start-up glue, linked into the program alone (cmake/windows.cmake): the 32-bit
# entry point in place of the runtime's, and the runtime parts compiled for the oldest processor.
set(MARLIX_START_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/runtime_parts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runtime_parts_cow.cpp
)
set(MARLIX_START_ENTRY_SOURCE ${CMAKE_CURRENT_LIST_DIR}/program_start.cpp)
# With crtdll.dll as the C runtime (the build to ship): its _onexit, called without a relocation.
set(MARLIX_START_CRTDLL_SOURCE ${CMAKE_CURRENT_LIST_DIR}/crtdll_onexit.cpp)
# The 32-bit exception runtime, compiled for the 486 from the compiler's own sources (gcc/): the
# unwinder, its thread-local storage and the catch support that a caught std::bad_alloc runs.
set(MARLIX_START_EH_DIR ${CMAKE_CURRENT_LIST_DIR}/gcc)
set(MARLIX_START_EH_C_SOURCES
    ${MARLIX_START_EH_DIR}/unwind-dw2.c
    ${MARLIX_START_EH_DIR}/unwind-dw2-fde.c
    ${MARLIX_START_EH_DIR}/emutls.c
)
set(MARLIX_START_EH_CXX_SOURCES
    ${MARLIX_START_EH_DIR}/eh_personality.cc
    ${MARLIX_START_EH_DIR}/eh_alloc.cc
    ${MARLIX_START_EH_DIR}/eh_catch.cc
)
