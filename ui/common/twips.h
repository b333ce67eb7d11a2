#pragma once
// Window geometry is designed in twips (1/1440 inch) and shown in pixels at the window's DPI.

#include <cmath>

namespace quillet {

inline int TwipsToPixels(double twips, unsigned dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }
inline double PixelsToTwips(int pixels, unsigned dpi) { return pixels * 1440.0 / dpi; }

}  // namespace quillet
