// Parts of the C++ runtime that the program supplies itself, so that everything it runs in
// normal use is compiled for the oldest processor it supports (the prebuilt runtime library
// is compiled for newer ones). Linked into the program alone.
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

// The heap is the C runtime's, as it would be through the library's own operator new; a failed
// allocation still throws std::bad_alloc, which the program catches where memory may run out.
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

// An uncaught exception ends the program at once. The library's own default handler, which
// this replaces, would first print the exception's demangled type: that brings in the demangler
// and the C runtime's printf, and a window program has no console to print to.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx

// The string members the program calls, compiled here rather than taken from the library.
template class std::basic_string<char>;
