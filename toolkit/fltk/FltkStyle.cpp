#include "toolkit/fltk/FltkStyle.h"

Fl_Color FlColor(TColor Color) {
  if (Color == clBtnFace) return FL_BACKGROUND_COLOR;
  if (Color & clSystemColor) return FL_FOREGROUND_COLOR;
  return fl_rgb_color(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

Fl_Font FlFont(const TFont& Font) {
  bool bold = Font.Style.count(fsBold) != 0;
  bool italic = Font.Style.count(fsItalic) != 0;
  return FL_HELVETICA + (bold ? FL_BOLD : 0) + (italic ? FL_ITALIC : 0);
}

int FlFontSize(const TFont& Font) { return Font.Height < 0 ? -Font.Height : Font.Height * 3 / 4; }

std::string FlText(const std::string& Caption) {
  std::string text;
  for (size_t i = 0; i < Caption.size(); ++i) {
    char c = Caption[i];
    if (c == '\r') {
      text += '\n';
      if (i + 1 < Caption.size() && Caption[i + 1] == '\n') ++i;
    } else if (c == '@') {
      text += "@@";
    } else {
      text += c;
    }
  }
  return text;
}

std::unique_ptr<Fl_RGB_Image> FlImage(const TBitmap& Bitmap, bool Transparent) {
  const int w = Bitmap.Width(), h = Bitmap.Height();
  auto* data = new uchar[static_cast<size_t>(w) * h * 4];
  const uint32_t clear = Bitmap.TransparentColor();
  uchar* p = data;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t rgb = Bitmap.Pixel(x, y);
      *p++ = (rgb >> 16) & 0xFF;
      *p++ = (rgb >> 8) & 0xFF;
      *p++ = rgb & 0xFF;
      *p++ = Transparent && rgb == clear ? 0 : 255;
    }
  }
  auto image = std::make_unique<Fl_RGB_Image>(data, w, h, 4);
  image->alloc_array = 1;
  return image;
}
