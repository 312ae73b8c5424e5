#pragma once
#include <string>

#include <windows.h>

#include "toolkit/Graphics.h"

COLORREF ColorRef(TColor Color);
// A font the caller owns (DeleteObject).
HFONT CreateFontFor(const TFont& Font);
// A 24-bit device-independent bitmap the caller owns.
HBITMAP CreateBitmapFor(const TBitmap& Bitmap);
// A control's text as Windows shows it: a lone "\r" or "\n" becomes "\r\n".
std::string WindowsText(const std::string& Caption);
