#pragma once
// Canvas points and colours shared by every layer.
#include <cstdint>

namespace mirel {

inline constexpr int CanvasWidth = 640;
inline constexpr int CanvasHeight = 480;

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Adds with two's-complement wrap-around. Coordinates come from files and may
// be anywhere in the 32-bit range; offsets of such values must not be
// undefined behaviour.
inline std::int32_t WrapAdd(std::int32_t a, std::int64_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// An RGB colour packed 0x00BBGGRR, or a system colour 0x80000000 + index.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
// As a fill colour: no fill.
inline constexpr TColor clBtnFace = 0x8000000F;

}  // namespace mirel
