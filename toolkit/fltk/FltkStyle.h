#pragma once
#include <memory>
#include <string>

#include <FL/Enumerations.H>
#include <FL/Fl_RGB_Image.H>

#include "toolkit/Graphics.h"

// How the toolkit's colours, fonts, texts and pictures look in FLTK.
Fl_Color FlColor(TColor Color);
Fl_Font FlFont(const TFont& Font);
int FlFontSize(const TFont& Font);
// A control's text as FLTK shows it: "\r" (alone or before "\n") starts a new line and "@"
// is not a symbol.
std::string FlText(const std::string& Caption);
// An RGBA image; with Transparent the colour of the bottom-left pixel becomes clear.
std::unique_ptr<Fl_RGB_Image> FlImage(const TBitmap& Bitmap, bool Transparent);
