#pragma once

#include <windows.h>

// The module (program or plug-in library) the toolkit is linked into: window classes and
// resources belong to it.
HINSTANCE ModuleInstance();
