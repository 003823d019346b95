#include "render/system_colors.h"

#include <array>
#include <cstdint>

namespace mirel {
namespace {

// The classic desktop scheme, indexed by system colour number, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 31> ClassicPalette = {
    0xD4D0C8,  // 0 scroll bar
    0x3A6EA5,  // 1 desktop
    0x0A246A,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xD4D0C8,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xD4D0C8,  // 10 active border
    0xD4D0C8,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x0A246A,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xD4D0C8,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xD4D0C8,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x404040,  // 21 3D dark shadow
    0xD4D0C8,  // 22 3D light
    0x000000,  // 23 info text
    0xFFFFE1,  // 24 info background
    0xB5B5B5,  // 25 (unused slot)
    0x000080,  // 26 hot-tracked item
    0xA6CAF0,  // 27 active caption gradient
    0xC0C0C0,  // 28 inactive caption gradient
    0x0A246A,  // 29 menu highlight
    0xD4D0C8,  // 30 menu bar
};

}  // namespace

QColor ColorFromValue(TColor value) {
  if (value & 0x80000000u) {
    const std::uint32_t index = value & 0xFFu;
    const std::uint32_t rgb = index < ClassicPalette.size() ? ClassicPalette[index] : 0;
    return QColor::fromRgb(static_cast<QRgb>(rgb));
  }
  // The high byte of an RGB value carries no colour.
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace mirel
