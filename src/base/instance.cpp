#include "base/instance.h"

HINSTANCE ProgramInstance = nullptr;
