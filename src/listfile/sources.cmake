# Files of this folder: portable ones build natively too; Win32 ones only for Windows.
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/text_search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/entry_text_search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/matching.cpp
    ${CMAKE_CURRENT_LIST_DIR}/entry_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_file_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_title.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/list_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_file_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_matching_win.cpp
)
