#include "toolkit/win32/Win32Style.h"

COLORREF ColorRef(TColor Color) {
  if (Color & clSystemColor) return GetSysColor(static_cast<int>(Color & 0xFF));
  return static_cast<COLORREF>(Color);
}

HFONT CreateFontFor(const TFont& Font) {
  const bool bold = Font.Style.count(fsBold) != 0;
  return CreateFontA(Font.Height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, Font.Style.count(fsItalic) != 0,
                     Font.Style.count(fsUnderline) != 0, Font.Style.count(fsStrikeOut) != 0,
                     static_cast<BYTE>(Font.Charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, Font.Name.c_str());
}

HBITMAP CreateBitmapFor(const TBitmap& Bitmap) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = Bitmap.Width();
  info.bmiHeader.biHeight = -Bitmap.Height();  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const int stride = (Bitmap.Width() * 3 + 3) & ~3;
  for (int y = 0; y < Bitmap.Height(); ++y) {
    auto* row = static_cast<BYTE*>(bits) + static_cast<size_t>(y) * stride;
    for (int x = 0; x < Bitmap.Width(); ++x) {
      uint32_t rgb = Bitmap.Pixel(x, y);
      row[3 * x] = rgb & 0xFF;
      row[3 * x + 1] = (rgb >> 8) & 0xFF;
      row[3 * x + 2] = (rgb >> 16) & 0xFF;
    }
  }
  return bitmap;
}

std::string WindowsText(const std::string& Caption) {
  std::string text;
  for (size_t i = 0; i < Caption.size(); ++i) {
    const char c = Caption[i];
    if (c == '\r' && i + 1 < Caption.size() && Caption[i + 1] == '\n') {
      text += "\r\n";
      ++i;
    } else if (c == '\r' || c == '\n') {
      text += "\r\n";
    } else {
      text += c;
    }
  }
  return text;
}
