# Files of this folder: portable ones build natively too; Win32 ones only for Windows.
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/page_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printer_device.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/print_setup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_choice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_job.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_abort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_pages.cpp
)
