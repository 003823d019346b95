#include "datafile/colour_names.h"

#include <algorithm>
#include <array>

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

}  // namespace

std::string_view ColorIdentifier(TColor color) {
  const auto it = std::lower_bound(kColors.begin(), kColors.end(), color,
                                   [](const TColorName& c, TColor v) { return c.Value < v; });
  return (it != kColors.end() && it->Value == color) ? it->Name : std::string_view{};
}

std::optional<TColor> ColorFromIdentifier(std::string_view name) {
  // Most colour lines are numbers: they are told apart at the first letter.
  if (name.empty() || Lower(name[0]) != 'c') return std::nullopt;
  for (const TColorName& c : kColors) {
    if (EqualsIgnoringCase(c.Name, name)) return c.Value;
  }
  return std::nullopt;
}

}  // namespace mirel
