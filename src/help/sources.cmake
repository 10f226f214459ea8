# Files of this folder: the program's own help, its book of topics (portable) and its window. It
# stands on the ground alone; the dialogs and the roof ask it for topics.
list(APPEND MARLIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/help_book.cpp
)
list(APPEND MARLIX_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/help.cpp
)
