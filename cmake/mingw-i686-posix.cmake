# Cross build for 32-bit Windows with the posix threads runtime, for the Win32 tests under 32-bit
# wine: Debian's GoogleTest needs std::mutex, which the win32 threads runtime lacks. Every other
# setting is the shipped build's.
set(MARLIX_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
