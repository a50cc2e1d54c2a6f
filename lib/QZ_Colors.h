#pragma once

#include <cstdint>

// A colour as stored in settings and format texts: 32 bits, either an
// explicit colour (red in the lowest byte, then green, then blue; highest byte
// 0) or a system colour (highest byte 0xFF, the system colour number in the
// lowest byte). Widgets resolve system colours from their palette.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWindow = 0xFF000005;     // window background
inline constexpr TColor clHighlight = 0xFF00000D;  // selection background
inline constexpr TColor clBtnFace = 0xFF00000F;    // button face

constexpr bool IsSystemColor(TColor AColor) { return (AColor >> 24) == 0xFF; }
constexpr int SystemColorNumber(TColor AColor) { return int(AColor & 0xFF); }
constexpr TColor RGBColor(int ARed, int AGreen, int ABlue) {
  return TColor(ARed & 0xFF) | (TColor(AGreen & 0xFF) << 8) | (TColor(ABlue & 0xFF) << 16);
}
constexpr int RedOf(TColor AColor) { return int(AColor & 0xFF); }
constexpr int GreenOf(TColor AColor) { return int((AColor >> 8) & 0xFF); }
constexpr int BlueOf(TColor AColor) { return int((AColor >> 16) & 0xFF); }
