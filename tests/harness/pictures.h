#pragma once
// Pictures for tests, made with GDI+ (started on first use).

#include <windows.h>

#include <string>
#include <vector>

// A PNG of one colour; `argb` as 0xAARRGGBB.
std::vector<BYTE> SolidPng(int width, int height, DWORD argb);
