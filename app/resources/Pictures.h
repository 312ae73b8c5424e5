#pragma once
// The window's pictures, drawn in code: the logo and the two button glyphs. Each keys its
// background (the bottom-left pixel's colour) for transparent drawing; edges are smoothed
// against the button-face grey.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "toolkit/Graphics.h"

namespace pictures {

constexpr uint32_t Clear = 0xFF00FF;
constexpr uint32_t Face = 0xF0F0F0;

using TShape = std::function<bool(double X, double Y)>;
using TPaint = std::function<uint32_t(double X, double Y)>;

inline uint32_t Blend(uint32_t Under, uint32_t Over, double Amount) {
  auto channel = [&](int shift) {
    double u = (Under >> shift) & 0xFF, o = (Over >> shift) & 0xFF;
    return static_cast<uint32_t>(std::lround(u + (o - u) * Amount)) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

// Paints the part of the picture inside Shape (coordinates from column Left), sampling each
// pixel 4 x 4 times.
inline void Fill(TBitmap& Picture, const TShape& Shape, const TPaint& Paint, int Left = 0) {
  for (int y = 0; y < Picture.Height(); ++y) {
    for (int x = Left; x < Picture.Width(); ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += Shape(x - Left + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
      if (hits == 0) continue;
      uint32_t under = Picture.Pixel(x, y) == Clear ? Face : Picture.Pixel(x, y);
      Picture.SetPixel(x, y, Blend(under, Paint(x - Left + 0.5, y + 0.5), hits / 16.0));
    }
  }
}

inline TPaint Solid(uint32_t Rgb) {
  return [Rgb](double, double) { return Rgb; };
}

// From Top colour at the first row to Bottom colour at row Rows.
inline TPaint Gradient(uint32_t Top, uint32_t Bottom, double Rows) {
  return [=](double, double y) { return Blend(Top, Bottom, std::clamp(y / Rows, 0.0, 1.0)); };
}

inline TShape Disc(double Cx, double Cy, double R) {
  return [=](double x, double y) { return (x - Cx) * (x - Cx) + (y - Cy) * (y - Cy) <= R * R; };
}

// A stroke of the given thickness from (X1, Y1) to (X2, Y2).
inline TShape Stroke(double X1, double Y1, double X2, double Y2, double Thickness) {
  return [=](double x, double y) {
    double dx = X2 - X1, dy = Y2 - Y1;
    double t = std::clamp(((x - X1) * dx + (y - Y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    double px = X1 + t * dx - x, py = Y1 + t * dy - y;
    return px * px + py * py <= Thickness * Thickness / 4;
  };
}

inline TShape Box(double L, double T, double R, double B) {
  return [=](double x, double y) { return x >= L && x < R && y >= T && y < B; };
}

// A downward arrow head from Top down to its tip at (Cx, Tip).
inline TShape ArrowHead(double Cx, double Top, double Tip, double HalfWidth) {
  return [=](double x, double y) {
    return y >= Top && y <= Tip && std::fabs(x - Cx) <= HalfWidth * (Tip - y) / (Tip - Top);
  };
}

// 54 x 53: an olive-green disc with a white "V" and a rim.
inline TBitmap Logo() {
  TBitmap logo(54, 53, Clear);
  Fill(logo, Disc(25, 26, 23.5), Solid(0x4E6414));
  Fill(logo, Disc(25, 26, 21.5), Gradient(0xB4CC55, 0x5E7A16, 50));
  Fill(logo, Stroke(14.5, 14, 25, 39, 6), Solid(0xFFFFFF));
  Fill(logo, Stroke(35.5, 14, 25, 39, 6), Solid(0xFFFFFF));
  return logo;
}

// The update glyph, 16 x 16 from column Left: an arrow down into a tray.
inline void DrawUpdate(TBitmap& Glyph, int Left, uint32_t Arrow, uint32_t Tray) {
  Fill(Glyph, Box(6, 1, 10, 7.5), Solid(Arrow), Left);
  Fill(Glyph, ArrowHead(8, 7, 12.5, 5), Solid(Arrow), Left);
  Fill(Glyph, Box(2, 13, 14, 15), Solid(Tray), Left);
  Fill(Glyph, Box(2, 10, 3.5, 15), Solid(Tray), Left);
  Fill(Glyph, Box(12.5, 10, 14, 15), Solid(Tray), Left);
}

// 32 x 16: the update glyph, normal then disabled.
inline TBitmap UpdateGlyphs() {
  TBitmap glyphs(32, 16, Clear);
  DrawUpdate(glyphs, 16, 0xA0A0A0, 0xA0A0A0);
  DrawUpdate(glyphs, 0, 0x2E9E2E, 0x505050);
  return glyphs;
}

// 16 x 16: a red disc with a white cross.
inline TBitmap QuitGlyph() {
  TBitmap glyph(16, 16, Clear);
  Fill(glyph, Disc(8, 8, 7.2), Gradient(0xE0483C, 0xA81E16, 16));
  Fill(glyph, Stroke(5.2, 5.2, 10.8, 10.8, 2), Solid(0xFFFFFF));
  Fill(glyph, Stroke(10.8, 5.2, 5.2, 10.8, 2), Solid(0xFFFFFF));
  return glyph;
}

}  // namespace pictures
