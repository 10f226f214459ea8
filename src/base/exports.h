// Procedures and operations that the program exports by name (undecorated on both architectures).
#pragma once

#define MARLIX_EXPORT extern "C" __declspec(dllexport)
