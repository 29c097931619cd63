#pragma once
// Colours as 0xRRGGBB. Two desktop system colours are resolved by the adapter.
#include <cstdint>

namespace Fourier::Toolkit {

using TColor = uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0xFF0000;
inline constexpr TColor clBlue = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clYellow = 0xFFFF00;
inline constexpr TColor clAqua = 0x00FFFF;

// System colours are flagged in the top byte and looked up in the desktop palette when applied.
inline constexpr TColor clCaptionText = 0xFF000001;
inline constexpr TColor clInactiveCaptionText = 0xFF000002;
inline constexpr TColor clBtnFace = 0xFF000003;

} // namespace Fourier::Toolkit
