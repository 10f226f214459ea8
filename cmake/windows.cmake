# Windows build (mingw-w64): the program, its resources and the in-process Win32 tests.
enable_language(RC)

# Static runtime: wine and bare Windows machines need no mingw DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # Export stdcall procedures under their plain names (no @n suffix).
    add_link_options(-Wl,--kill-at)
    # The build to ship: unused code dropped (exported procedures are kept by their exports),
    # no symbols, and a header that Windows 95 as it shipped accepts.
    add_compile_options(-ffunction-sections -fdata-sections)
    add_link_options(-Wl,--gc-sections -Wl,--no-insert-timestamp -Wl,--major-subsystem-version,4
                     -Wl,--minor-subsystem-version,0 -Wl,--major-os-version,4
                     -Wl,--minor-os-version,0)
endif()

include(${CMAKE_SOURCE_DIR}/res/resources.cmake)

# The shell as a library, so that the program and the Win32 tests run the same code.
add_library(marlix_shell STATIC ${MARLIX_SHELL_SOURCES})
target_link_libraries(marlix_shell PUBLIC marlix_core comctl32 comdlg32 gdi32 shell32 user32 kernel32 winspool)
target_compile_definitions(marlix_shell PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
target_include_directories(marlix_shell PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res)

include(${CMAKE_SOURCE_DIR}/src/start/sources.cmake)
set(MARLIX_PROGRAM_SOURCES src/app/winmain.cpp ${MARLIX_START_SOURCES})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The 32-bit program's own entry point, in place of the runtime's start-up (CMOV).
    list(APPEND MARLIX_PROGRAM_SOURCES ${MARLIX_START_ENTRY_SOURCE})
    set(MARLIX_PROGRAM_ENTRY -Wl,-e,_MarlixStart)
    if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
        # The build to ship takes its C runtime from crtdll.dll, on every Win32 system; the i686
        # tests keep the toolchain's msvcrt.dll (their posix threads library needs it).
        set(MARLIX_PROGRAM_RUNTIME_FILE ${CMAKE_SOURCE_DIR}/cmake/crtdll-link.txt)
        set(MARLIX_PROGRAM_RUNTIME -specs=${MARLIX_PROGRAM_RUNTIME_FILE})
        list(APPEND MARLIX_PROGRAM_SOURCES ${MARLIX_START_CRTDLL_SOURCE})
    endif()
    # The exception runtime for the 486, linked as objects ahead of the toolchain's archives, whose
    # members for it (built for newer processors, with CMOV) are then never pulled in. Compiled as
    # the compiler's own build compiles them; their warnings are the compiler's, not the program's.
    add_library(marlix_eh OBJECT ${MARLIX_START_EH_C_SOURCES} ${MARLIX_START_EH_CXX_SOURCES})
    target_include_directories(marlix_eh PRIVATE ${MARLIX_START_EH_DIR})
    target_compile_definitions(marlix_eh PRIVATE $<$<COMPILE_LANGUAGE:C>:IN_GCC IN_LIBGCC2>)
    target_compile_options(marlix_eh PRIVATE -O2 -w -fno-stack-protector
        $<$<COMPILE_LANGUAGE:C>:-fbuilding-libgcc -fexceptions>
        $<$<COMPILE_LANGUAGE:CXX>:-fno-implicit-templates>)
endif()
add_executable(marlix32 WIN32 ${MARLIX_PROGRAM_SOURCES} ${MARLIX_RESOURCES})
# Whole archive: every exported procedure stays in the program even if nothing calls it.
target_link_libraries(marlix32 PRIVATE -Wl,--whole-archive marlix_shell -Wl,--no-whole-archive marlix_shell
                      $<TARGET_NAME_IF_EXISTS:marlix_eh>)
set_target_properties(marlix32 PROPERTIES OUTPUT_NAME marlix32)
marlix_use_resources(marlix32)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(marlix32 PRIVATE -s ${MARLIX_PROGRAM_ENTRY} ${MARLIX_PROGRAM_RUNTIME})
    # The same link with its symbols kept, so that the shipped code can be told apart by function.
    add_executable(marlix32_symbols WIN32 ${MARLIX_PROGRAM_SOURCES} ${MARLIX_RESOURCES})
    target_link_libraries(marlix32_symbols PRIVATE -Wl,--whole-archive marlix_shell
                          -Wl,--no-whole-archive marlix_shell marlix_eh)
    target_link_options(marlix32_symbols PRIVATE ${MARLIX_PROGRAM_ENTRY} ${MARLIX_PROGRAM_RUNTIME}
                        -Wl,-Map=${CMAKE_BINARY_DIR}/symbols/marlix32.map)
    set_target_properties(marlix32_symbols PROPERTIES OUTPUT_NAME marlix32
                          RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/symbols)
    marlix_use_resources(marlix32_symbols)
    if(MARLIX_PROGRAM_RUNTIME_FILE)
        set_property(TARGET marlix32 marlix32_symbols PROPERTY LINK_DEPENDS
                     ${MARLIX_PROGRAM_RUNTIME_FILE})
    endif()
endif()

if(CMAKE_CROSSCOMPILING_EMULATOR)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_subdirectory(tests/win32/support)
    add_subdirectory(tests/win32)
    add_subdirectory(tools/win32)
elseif(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The shipped exe loads on the oldest Windows it is for: only reviewed imports and functions
    # loaded late, subsystem 4.0.
    find_program(MARLIX_PYTHON3 python3 REQUIRED)
    find_program(MARLIX_OBJDUMP NAMES i686-w64-mingw32-objdump REQUIRED)
    add_test(NAME shipped_exe_loads_on_old_windows
             COMMAND ${MARLIX_PYTHON3} ${CMAKE_SOURCE_DIR}/tools/check_imports.py ${MARLIX_OBJDUMP}
                     ${CMAKE_SOURCE_DIR}/tools/old-windows-imports.txt $<TARGET_FILE:marlix32>
                     ${CMAKE_SOURCE_DIR}/src/base/late_libraries.cpp)
    # ... and runs on a 486: no CMPXCHG8B, RDTSC, CMOV, SSE and the like outside the reviewed
    # runtime functions of tools/486-exceptions.txt.
    add_test(NAME shipped_exe_runs_on_a_486
             COMMAND ${MARLIX_PYTHON3} ${CMAKE_SOURCE_DIR}/tools/check_486.py ${MARLIX_OBJDUMP}
                     ${CMAKE_SOURCE_DIR}/tools/486-exceptions.txt $<TARGET_FILE:marlix32>
                     $<TARGET_FILE:marlix32_symbols> ${CMAKE_BINARY_DIR}/symbols/marlix32.map)
endif()
