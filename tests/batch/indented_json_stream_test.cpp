// The streamed dump must be the very bytes QJsonDocument lays out for the
// whole object: figures of every shape, nested stamps, text that needs
// escaping, empty lists.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <sstream>

#include "batch/figure_json.h"
#include "model/fig_ops.h"

namespace mirel {
namespace {

TFigData Figure(TDrawingTool tool, std::string text = {}) {
  TFigData figure;
  figure.DrawingTool = tool;
  figure.PenWidth = -2147483647 - 1;
  figure.PenColor = 0x00B469FF;
  figure.TextSize = 2147483647;
  figure.Text = std::move(text);
  figure.Start = {-5, 7};
  figure.End = {640, 480};
  if (IsPointListTool(tool)) {
    figure.PointData = std::make_unique<TPointData>();
    for (int i = 0; i < 3; ++i) figure.PointData->AddPoint(i * 10, -i);
  }
  return figure;
}

void AddFigures(TFigList& list) {
  AddEmpty(list)->Data = Figure(dtText, "\"quote\" \\ tab\t \x82\xCD\x82\xC8 \x01");
  AddEmpty(list)->Data = Figure(dtFreeLine);
  AddEmpty(list)->Data = Figure(dtPolygon);
  TFigData stamp = Figure(dtStamp);
  auto contents = std::make_unique<TFigList>();
  AddEmpty(*contents)->Data = Figure(dtPolyline);
  AddEmpty(*contents)->Data = Figure(dtStamp);  // a stamp with no contents
  stamp.StampData = std::move(contents);
  AddEmpty(list)->Data = std::move(stamp);
}

TEST(IndentedJsonStream, WritesTheBytesOfTheWholeDocument) {
  TFigList figures;
  AddFigures(figures);
  const TFigList none;
  struct TCase {
    const TFigList* Deleted;
    const TFigList* Figures;
    QString Background;
  };
  for (const TCase& c : {TCase{&none, &none, ""}, TCase{&figures, &none, "sky \"blue\".jpg"},
                         TCase{&none, &figures, QString::fromUtf8("そら.jpg")}}) {
    const QJsonObject whole{
        {"Background", c.Background},          {"DateHMS", "  10:23:05"},
        {"Deleted", FigureListToJson(*c.Deleted)}, {"Figures", FigureListToJson(*c.Figures)},
        {"NextFigureID", 16},                  {"Step", 0},
    };
    std::ostringstream streamed;
    TIndentedJsonStream json(streamed);
    json.Member("Background", c.Background);
    json.Member("DateHMS", "  10:23:05");
    StreamFigureList(json, "Deleted", *c.Deleted);
    StreamFigureList(json, "Figures", *c.Figures);
    json.Member("NextFigureID", 16);
    json.Member("Step", 0);
    json.End();
    EXPECT_EQ(streamed.str(), QJsonDocument(whole).toJson(QJsonDocument::Indented).toStdString());
  }
}

TEST(IndentedJsonStream, AnEmptyObjectIsLaidOutAsQtDoes) {
  std::ostringstream streamed;
  TIndentedJsonStream(streamed).End();
  EXPECT_EQ(streamed.str(), QJsonDocument(QJsonObject{}).toJson(QJsonDocument::Indented).toStdString());
}

}  // namespace
}  // namespace mirel
