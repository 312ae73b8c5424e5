#include "toolkit/Graphics.h"

#include <algorithm>

TBitmap::TBitmap(int AWidth, int AHeight, uint32_t Fill)
    : FWidth(std::max(AWidth, 0)), FHeight(std::max(AHeight, 0)),
      Pixels(static_cast<size_t>(FWidth) * FHeight, Fill) {}

void TBitmap::SetPixel(int X, int Y, uint32_t Rgb) {
  if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return;
  Pixels[static_cast<size_t>(Y) * FWidth + X] = Rgb;
}

TBitmap TBitmap::Columns(int Left, int Width) const {
  Left = std::clamp(Left, 0, FWidth);
  Width = std::clamp(Width, 0, FWidth - Left);
  TBitmap part(Width, FHeight);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < Width; ++x) part.SetPixel(x, y, Pixel(Left + x, y));
  return part;
}
