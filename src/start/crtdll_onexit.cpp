// crtdll.dll's _onexit, as the runtime's atexit calls it. The import library names this import as
// data only, so the linker would reach the call through a pseudo-relocation, applied at start-up
// by the runtime's relocator, whose prebuilt code uses CMOV; a call through the import's address
// needs none. Linked into the program that takes its C runtime from crtdll.dll alone.
extern "C" {
typedef int(__cdecl* ExitFunction)();
extern ExitFunction(__cdecl* _imp___onexit)(ExitFunction); // the import's address

ExitFunction __cdecl _onexit(ExitFunction function) {
    return _imp___onexit(function);
}
}
