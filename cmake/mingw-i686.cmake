# Cross build for 32-bit Windows with mingw-w64: the program to ship. The win32 threads runtime
# keeps winpthreads (and its imports absent before Vista) out of it. The i686 Win32 tests use
# mingw-i686-posix.cmake, which sets MARLIX_MINGW_THREADS to posix.
if(NOT MARLIX_MINGW_THREADS)
    set(MARLIX_MINGW_THREADS win32)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${MARLIX_MINGW_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${MARLIX_MINGW_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The 486 has no CMPXCHG8B, RDTSC, CMOV, FCOMI or SSE: code for i486, tuned for today.
set(CMAKE_C_FLAGS_INIT "-march=i486 -mtune=generic")
set(CMAKE_CXX_FLAGS_INIT "-march=i486 -mtune=generic")
