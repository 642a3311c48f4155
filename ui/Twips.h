#pragma once

#include <QtGlobal>

namespace mirota {

// Window and control geometry is given in twips; 15 twips make one device-independent pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return qRound(static_cast<double>(twips) / kTwipsPerPixel); }
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace mirota
