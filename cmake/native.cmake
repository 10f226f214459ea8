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
