#pragma once

// Numbers of the pictures in velora.rc, shared by the resource script and the code.
#define IDI_ENHANCER 1
#define IDI_ENHANCER_TRAY 2
#define IDB_PREVIOUS 101
#define IDB_NEXT 102
#define IDR_ABOUT_PICTURE1 201
#define IDR_ABOUT_PICTURE2 202
