#pragma once
// One figure of a drawing: its kind, attributes, corners and, for the kinds
// that need them, its points or the figures a stamp is made of.
#include <cstdint>
#include <memory>
#include <string>

#include "model/geometry.h"
#include "model/head_list.h"
#include "model/point_data.h"
#include "model/stamp_contents.h"

namespace mirel {

enum TDrawingTool : std::uint8_t {
  dtNone = 0,  // only in a list's head item
  dtText = 1,
  dtLine = 2,
  dtFreeLine = 3,
  dtEllipse = 4,
  dtRectangle = 5,
  dtPolyline = 6,
  dtPolygon = 7,
  dtStamp = 8,
};

// Free lines, polylines and polygons keep their points in PointData.
constexpr bool IsPointListTool(std::uint8_t tool) {
  return tool == dtFreeLine || tool == dtPolyline || tool == dtPolygon;
}
// Lines, ellipses and rectangles are defined by their two corners.
constexpr bool IsBoxTool(std::uint8_t tool) {
  return tool == dtLine || tool == dtEllipse || tool == dtRectangle;
}

class TFigList;

struct TFigData {
  TDrawingTool DrawingTool = dtNone;
  std::int32_t PenWidth = 0;
  TColor PenColor = 0;
  TColor BrushColor = 0;
  std::uint8_t BrushStyle = 0;  // 0 solid, 1 clear; copied, never drawn or saved
  std::int32_t TextSize = 0;
  TColor TextColor = 0;
  std::string Text;  // code page 932 bytes
  TPoint Start;
  TPoint End;
  std::unique_ptr<TPointData> PointData;  // point-list figures only
  TStampContents StampData;               // stamps only; coordinates relative to Start

  TFigData();
  ~TFigData();
  // A copy is a stored copy, with the owned parts chosen by the kind. A
  // point-list figure gets a fresh list of exactly its points, whose bounds
  // are recomputed and become its corners; a stamp shares its contents with
  // the copy until either is changed (TStampContents), which behaves as a
  // deep copy to any depth at the cost of none.
  TFigData(const TFigData& other);
  TFigData& operator=(const TFigData& other);
  TFigData(TFigData&&) noexcept;
  TFigData& operator=(TFigData&&) noexcept;
};

using TFigItem = TListItem<TFigData>;

// Figures in drawing order: the first after the head lies at the back, the
// tail in front.
class TFigList : public THeadList<TFigData> {};

}  // namespace mirel
