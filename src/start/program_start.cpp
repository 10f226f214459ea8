// Where the shipped 32-bit program starts. It does what the C runtime's own start-up does for a
// window program, in the same order, but finds the text after the program's name itself: the
// runtime's loop for that uses CMOV, which the 486, the Pentium and the K6 do not have; it would
// fault before the window appears. Linked as the entry point of the 32-bit program alone.
#include <windows.h>

#include <cstdlib>

#include "base/command_line.h"

extern "C" {
// The start-up parts of mingw-w64's runtime (crt2.o and libmingw32), as its start-up calls them.
typedef void(__cdecl* StartFunction)();
extern StartFunction __xi_a[], __xi_z[]; // the C initialisers: arguments, file modes
extern StartFunction __xc_a[], __xc_z[]; // the C++ ones of the runtime
extern int __mingw_app_type;
extern const PIMAGE_TLS_CALLBACK __dyn_tls_init_callback;
extern LPTOP_LEVEL_EXCEPTION_FILTER __mingw_oldexcpt_handler;
void __cdecl _initterm(StartFunction* first, StartFunction* last);
void _pei386_runtime_relocator();
long CALLBACK _gnu_exception_handler(EXCEPTION_POINTERS* exception);
void __cdecl _fpreset();
void __main();

// The stack may come 4-byte aligned from the loader, as the runtime's start-up also allows for.
__attribute__((force_align_arg_pointer, noreturn)) void MarlixStart() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    __mingw_app_type = 1; // the C runtime is told that this is a window program
    _initterm(__xi_a, __xi_z);
    _initterm(__xc_a, __xc_z);
    if (__dyn_tls_init_callback != nullptr)
        __dyn_tls_init_callback(nullptr, DLL_THREAD_ATTACH, nullptr);
    _pei386_runtime_relocator();
    __mingw_oldexcpt_handler = SetUnhandledExceptionFilter(_gnu_exception_handler);
    _fpreset();
    __main(); // the program's own static constructors
    const int showState =
        startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : SW_SHOWDEFAULT;
    char* commandLine = const_cast<char*>(CommandLineAfterProgramName(GetCommandLineA()));
    std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, showState));
}
}
