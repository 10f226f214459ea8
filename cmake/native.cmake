# Native build: the portable core, its tests, benchmarks and (with clang) fuzzers.
find_package(GTest REQUIRED)
add_subdirectory(tests/core)

find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_subdirectory(bench)
endif()

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_subdirectory(tests/fuzz)
endif()

# The pictures' generator checks its own output: every file parses back to its drawing, the
# animation decodes frame by frame, and res/pictures.rc names exactly the files it makes.
find_program(MARLIX_PYTHON3 python3 REQUIRED)
add_test(NAME pictures_selfcheck
         COMMAND ${MARLIX_PYTHON3} ${CMAKE_SOURCE_DIR}/tools/make_pictures.py --check)
