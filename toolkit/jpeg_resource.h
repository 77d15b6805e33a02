#pragma once

#include <windows.h>

#include "toolkit/bitmap.h"

// Decodes a JPEG (JFIF) picture stored as raw data (RCDATA) among a module's resources into the
// bitmap, 24 bits per pixel. A missing or damaged picture gives false and leaves the bitmap.
bool LoadJpegResource(TBitmap& bitmap, HINSTANCE instance, int resourceId);
