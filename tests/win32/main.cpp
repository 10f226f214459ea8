// The Win32 tests run in-process: the program's classes are registered once for the whole run,
// as the program does at start.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/start_up.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!RegisterMarlixClasses(GetModuleHandleA(nullptr)))
        return 2;
    LoadLibraryA("RICHED32.DLL");
    return RUN_ALL_TESTS();
}
