// The library's exception classes keep their messages in its older, reference-counted string:
// its members, too, are compiled here rather than taken from the library (see
// runtime_parts.cpp). Linked into the program alone.
#define _GLIBCXX_USE_CXX11_ABI 0
#include <string>

template class std::basic_string<char>;
