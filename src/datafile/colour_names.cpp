#include "datafile/colour_names.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace mirel {
namespace {

struct TColorName {
  TColor Value;
  std::string_view Name;
};

// Sorted by value for the writer's binary search.
constexpr auto kColors = [] {
  std::array<TColorName, 52> colors = {{
      {0x00000000, "clBlack"},
      {0x00000080, "clMaroon"},
      {0x00008000, "clGreen"},
      {0x00008080, "clOlive"},
      {0x00800000, "clNavy"},
      {0x00800080, "clPurple"},
      {0x00808000, "clTeal"},
      {0x00808080, "clGray"},
      {0x00C0C0C0, "clSilver"},
      {0x000000FF, "clRed"},
      {0x0000FF00, "clLime"},
      {0x0000FFFF, "clYellow"},
      {0x00FF0000, "clBlue"},
      {0x00FF00FF, "clFuchsia"},
      {0x00FFFF00, "clAqua"},
      {0x00FFFFFF, "clWhite"},
      {0x00C0DCC0, "clMoneyGreen"},
      {0x00F0CAA6, "clSkyBlue"},
      {0x00F0FBFF, "clCream"},
      {0x00A4A0A0, "clMedGray"},
      {0x8000000A, "clActiveBorder"},
      {0x80000002, "clActiveCaption"},
      {0x8000000C, "clAppWorkSpace"},
      {0x80000001, "clBackground"},
      {0x8000000F, "clBtnFace"},
      {0x80000014, "clBtnHighlight"},
      {0x80000010, "clBtnShadow"},
      {0x80000012, "clBtnText"},
      {0x80000009, "clCaptionText"},
      {0x20000000, "clDefault"},
      {0x8000001B, "clGradientActiveCaption"},
      {0x8000001C, "clGradientInactiveCaption"},
      {0x80000011, "clGrayText"},
      {0x8000000D, "clHighlight"},
      {0x8000000E, "clHighlightText"},
      {0x8000001A, "clHotLight"},
      {0x8000000B, "clInactiveBorder"},
      {0x80000003, "clInactiveCaption"},
      {0x80000013, "clInactiveCaptionText"},
      {0x80000018, "clInfoBk"},
      {0x80000017, "clInfoText"},
      {0x80000004, "clMenu"},
      {0x8000001E, "clMenuBar"},
      {0x8000001D, "clMenuHighlight"},
      {0x80000007, "clMenuText"},
      {0x1FFFFFFF, "clNone"},
      {0x80000000, "clScrollBar"},
      {0x80000015, "cl3DDkShadow"},
      {0x80000016, "cl3DLight"},
      {0x80000005, "clWindow"},
      {0x80000006, "clWindowFrame"},
      {0x80000008, "clWindowText"},
  }};
  std::sort(colors.begin(), colors.end(),
            [](const TColorName& a, const TColorName& b) { return a.Value < b.Value; });
  return colors;
}();

static_assert(std::adjacent_find(kColors.begin(), kColors.end(),
                                 [](const TColorName& a, const TColorName& b) {
                                   return a.Value == b.Value;
                                 }) == kColors.end(),
              "each colour value has one identifier");

static_assert(std::all_of(kColors.begin(), kColors.end(),
                          [](const TColorName& c) { return c.Name.starts_with("cl"); }),
              "every identifier begins with cl");

constexpr char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

constexpr std::uint32_t HashIgnoringCase(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(Lower(c))) * 16777619u;
  return hash;
}

// The identifiers by the hash of their lower-case form, each at its hash's
// slot or the next free one after it: a drawing has hundreds of thousands of
// colour lines, most of them identifiers, and a lookup costs one hash and
// one comparison. -1 marks a free slot.
constexpr std::size_t kSlots = 256;
constexpr std::size_t kMaxProbes = 3;

constexpr auto kSlotOfHash = [] {
  std::array<std::int8_t, kSlots> slots{};
  slots.fill(-1);
  for (std::size_t i = 0; i < kColors.size(); ++i) {
    std::size_t at = HashIgnoringCase(kColors[i].Name) % kSlots;
    while (slots[at] >= 0) at = (at + 1) % kSlots;
    slots[at] = static_cast<std::int8_t>(i);
  }
  return slots;
}();

// How far each identifier lies from its hash's slot; lookups stop after
// kMaxProbes slots.
constexpr std::size_t LongestProbe() {
  std::size_t longest = 0;
  for (std::size_t i = 0; i < kColors.size(); ++i) {
    const std::size_t home = HashIgnoringCase(kColors[i].Name) % kSlots;
    std::size_t at = home;
    while (kSlotOfHash[at] != static_cast<std::int8_t>(i)) at = (at + 1) % kSlots;
    longest = std::max(longest, (at + kSlots - home) % kSlots + 1);
  }
  return longest;
}
static_assert(LongestProbe() <= kMaxProbes, "identifiers lie near their hash's slot");

}  // namespace

std::string_view ColorIdentifier(TColor color) {
  const auto it = std::lower_bound(kColors.begin(), kColors.end(), color,
                                   [](const TColorName& c, TColor v) { return c.Value < v; });
  return (it != kColors.end() && it->Value == color) ? it->Name : std::string_view{};
}

std::optional<TColor> ColorFromIdentifier(std::string_view name) {
  // Most colour lines that are no identifier are numbers: they are told
  // apart at the first letter.
  if (name.empty() || Lower(name[0]) != 'c') return std::nullopt;
  std::size_t at = HashIgnoringCase(name) % kSlots;
  for (std::size_t probe = 0; probe < kMaxProbes; ++probe, at = (at + 1) % kSlots) {
    const std::int8_t index = kSlotOfHash[at];
    if (index < 0) return std::nullopt;
    const TColorName& c = kColors[static_cast<std::size_t>(index)];
    if (EqualsIgnoringCase(c.Name, name)) return c.Value;
  }
  return std::nullopt;
}

}  // namespace mirel
