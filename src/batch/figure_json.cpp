#include "batch/figure_json.h"

#include <QString>
#include <array>
#include <string_view>

#include "datafile/format_names.h"
#include "datafile/data_output.h"
#include "text/cp932.h"

namespace mirel {
namespace {

QString ToolText(std::uint8_t tool) {
  const std::string_view name = ToolName(tool);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QJsonArray PointToJson(const TPoint& p) { return QJsonArray{p.X, p.Y}; }

QString ColorText(TColor color) {
  TDataOutput out;
  out.ColorLine(color);
  std::string line = out.Text();
  line.resize(line.size() - 2);  // CR LF
  return QString::fromStdString(line);
}

}  // namespace

QString Cp932ToQString(const std::string& cp932) {
  return QString::fromStdString(Cp932ToUtf8(cp932).Text);
}

QJsonObject FigureToJson(const TFigData& figure) {
  QJsonObject json{
      {"DrawingTool", ToolText(figure.DrawingTool)},
      {"PenWidth", figure.PenWidth},
      {"PenColor", ColorText(figure.PenColor)},
      {"BrushColor", ColorText(figure.BrushColor)},
      {"TextSize", figure.TextSize},
      {"TextColor", ColorText(figure.TextColor)},
      {"Text", Cp932ToQString(figure.Text)},
      {"Start", PointToJson(figure.Start)},
      {"End", PointToJson(figure.End)},
  };
  if (IsPointListTool(figure.DrawingTool)) {
    QJsonArray points;
    if (figure.PointData) {
      for (const TPoint& p : figure.PointData->Points()) points.append(PointToJson(p));
    }
    json.insert("Points", points);
  }
  if (figure.DrawingTool == dtStamp) {
    json.insert("Stamp", figure.StampData ? FigureListToJson(*figure.StampData) : QJsonArray{});
  }
  return json;
}

void StreamFigureList(TIndentedJsonStream& json, const QString& key, const TFigList& list) {
  json.BeginArray(key);
  for (const TFigItem* item = list.GetNext(list.GetHead()); item; item = item->Next()) {
    json.Element(FigureToJson(item->Data));
  }
  json.EndArray();
}

QJsonArray FigureListToJson(const TFigList& list) {
  QJsonArray figures;
  for (const TFigItem* item = list.GetNext(list.GetHead()); item; item = item->Next()) {
    figures.append(FigureToJson(item->Data));
  }
  return figures;
}

}  // namespace mirel
