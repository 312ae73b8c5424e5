#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Colours as 0x00BBGGRR; system colours carry the high bit and the index of the system colour.
using TColor = uint32_t;
constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBlack = 0x000000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clWhite = 0xFFFFFF;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = std::set<TFontStyle>;
constexpr int DefaultCharset = 1;

// Height is negative for a character height in pixels (without internal leading).
struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TColor Color = clWindowText;
  int Charset = DefaultCharset;
  TFontStyles Style;
};

// A device-independent picture: rows top to bottom, pixels as 0x00RRGGBB.
class TBitmap {
public:
  TBitmap() = default;
  TBitmap(int AWidth, int AHeight, uint32_t Fill = 0);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  uint32_t Pixel(int X, int Y) const { return Pixels[static_cast<size_t>(Y) * FWidth + X]; }
  void SetPixel(int X, int Y, uint32_t Rgb);
  // Transparent drawing keys out the colour of the bottom-left pixel.
  uint32_t TransparentColor() const { return Empty() ? 0 : Pixel(0, FHeight - 1); }
  // The part of the picture from column Left, Width columns wide.
  TBitmap Columns(int Left, int Width) const;

private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<uint32_t> Pixels;
};
