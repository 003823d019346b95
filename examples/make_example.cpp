// Makes the bundled example drawing: a garden drawn with every figure kind,
// a stamp placed three times, a background picture, a delete and its undo,
// a change, a move and a branch back to an earlier step. The history is made
// by the same recorders as the window's and written by the data file writer.
//
// usage: mirel-make-example OUTDIR   (writes garden.mrl and garden-sky.jpg)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "datafile/safe_save.h"
#include "export/jpeg_encoder.h"
#include "export/picture_file.h"
#include "history/action_recorder.h"
#include "model/fig_ops.h"
#include "replay/replay_engine.h"
#include "text/cp932.h"

namespace {

using namespace mirel;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x008000;
constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kBrown = 0x2A2AA5;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kPink = 0xCBC0FF;

// A clock that moves on a little at every reading, so the file is the same
// at every run.
class TStepClock {
 public:
  TLocalTime operator()() {
    const int total = start_ + tick_ * 2370;
    ++tick_;
    return {2026, 12, 8, 10 + total / 3600000, total / 60000 % 60, total / 1000 % 60, total % 1000};
  }

 private:
  int start_ = 5 * 60 * 1000;
  int tick_ = 0;
};

TFigData Figure(TDrawingTool tool, TPoint start, TPoint end, TColor pen, TColor brush, int width = 2) {
  TFigData f;
  f.DrawingTool = tool;
  f.PenWidth = width;
  f.PenColor = pen;
  f.BrushColor = brush;
  f.BrushStyle = brush == clBtnFace ? 1 : 0;
  f.TextColor = clBlack;
  f.Start = start;
  f.End = end;
  return f;
}

TFigData PointFigure(TDrawingTool tool, std::initializer_list<TPoint> points, TColor pen, TColor brush) {
  TFigData f = Figure(tool, {}, {}, pen, brush, 3);
  f.PointData = std::make_unique<TPointData>();
  for (const TPoint& p : points) f.PointData->AddPoint(p.X, p.Y);
  FitToPoints(f);
  return f;
}

// A flower gathered from the drawing: its least corner is (0, 0).
TFigData FlowerStamp(TPoint at) {
  TFigData stamp = Figure(dtStamp, at, {at.X + 40, at.Y + 60}, clBlack, clBtnFace, 1);
  stamp.StampData = std::make_unique<TFigList>();
  AddCopy(stamp.StampData.MakeUnique(), Figure(dtLine, {20, 30}, {20, 60}, kGreen, clBtnFace, 3));
  AddCopy(stamp.StampData.MakeUnique(), Figure(dtEllipse, {0, 0}, {40, 34}, kRed, kPink, 2));
  AddCopy(stamp.StampData.MakeUnique(), Figure(dtEllipse, {14, 11}, {26, 23}, kYellow, kYellow, 1));
  return stamp;
}

QImage SkyPicture() {
  QImage sky(640, 480, QImage::Format_RGB32);
  QPainter p(&sky);
  QLinearGradient gradient(0, 0, 0, 480);
  gradient.setColorAt(0, QColor(120, 180, 255));
  gradient.setColorAt(0.65, QColor(220, 240, 255));
  gradient.setColorAt(0.66, QColor(150, 215, 120));
  gradient.setColorAt(1, QColor(90, 170, 70));
  p.fillRect(sky.rect(), gradient);
  return sky;
}

struct TEditor {
  THistoryList history;
  TFigList figs;
  TFigList deleted;
  TInternalLog log;
  TActionRecorder recorder{history, log, TStepClock{}};
  TReplayEngine replay{history, figs, deleted};

  TFigItem* Create(const TFigData& figure) {
    TFigItem* item = AddCopy(figs, figure);
    recorder.RecordCreation(TActionKind::Create, item);
    return item;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: mirel-make-example OUTDIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];

  TJpegEncoder encoder;
  const TResult<std::span<const unsigned char>> encoded = encoder.Encode(SkyPicture());
  if (!encoded) {
    std::cerr << encoded.Detail << '\n';
    return 1;
  }
  const TResult<> sky = WritePictureFile(*encoded, (dir / "garden-sky.jpg").string(), "");
  if (!sky.Ok) {
    std::cerr << sky.Detail << '\n';
    return 1;
  }

  TEditor e;
  // Named as opening "./garden-sky.jpg" from the drawing's folder records it:
  // a name with a folder part that is found is taken without a question.
  e.recorder.RecordFileAction(TActionKind::ReadBG, "./garden-sky.jpg");

  TFigData title = Figure(dtText, {24, 16}, {184, 40}, clBlack, clBtnFace);
  title.Text = Utf8ToCp932("はなばたけ").Text;
  title.TextSize = 18;
  title.TextColor = kBlue;
  e.Create(title);

  TFigItem* sun = e.Create(Figure(dtEllipse, {520, 30}, {600, 110}, kYellow, kYellow, 2));
  e.Create(Figure(dtLine, {0, 315}, {639, 315}, kGreen, clBtnFace, 4));
  e.Create(Figure(dtRectangle, {80, 210}, {200, 300}, kBrown, 0xB4E0FF, 3));
  e.Create(PointFigure(dtPolygon, {{70, 210}, {140, 150}, {210, 210}}, kRed, 0x3C14DC));
  e.Create(PointFigure(dtPolyline, {{240, 300}, {260, 250}, {280, 300}, {300, 250}, {320, 300}},
                       kGreen, clBtnFace));
  TFigData wind = Figure(dtFreeLine, {}, {}, kBlue, clBtnFace, 2);
  wind.PointData = std::make_unique<TPointData>();
  for (int x = 0; x <= 160; x += 4) {
    wind.PointData->AddPoint(330 + x, 90 + static_cast<int>(std::lround(12 * std::sin(x / 16.0))));
  }
  FitToPoints(wind);
  e.Create(wind);

  // A flower stamp, placed three times.
  TFigItem* flower1 = e.Create(FlowerStamp({360, 330}));
  e.Create(FlowerStamp({430, 350}));
  e.Create(FlowerStamp({500, 335}));

  // The sun moves a little to the left and turns orange.
  OffsetFig(sun->Data, -40, 10);
  e.recorder.RecordEdit(TActionKind::Move, sun);
  sun->Data.BrushColor = 0x00A5FF;
  e.recorder.RecordChange(TActionKind::Change, TParameter::BodyColor, sun);

  // The first flower is deleted, then brought back.
  AddCopy(e.deleted, flower1->Data);
  e.recorder.RecordEdit(TActionKind::Delete, flower1);
  DeleteFig(e.figs, flower1);
  TFigItem* restored = AddCopy(e.figs, e.deleted.GetTail()->Data);
  DeleteFig(e.deleted, e.deleted.GetTail());
  e.recorder.RecordCreation(TActionKind::Undo, restored);

  // A cloud that the child will decide against.
  e.Create(Figure(dtEllipse, {200, 40}, {320, 90}, clWhite, clWhite, 1));
  const int beforeCloud = e.history.GetStepCount() - 1;

  // Back to the step before the cloud, and on from there with a butterfly.
  TActionItem* resumeAt = e.history.StepItem(beforeCloud);
  e.replay.RebuildDrawing(resumeAt);
  e.history.ClearLinksAfter(resumeAt);
  e.recorder.RecordBranch(beforeCloud);
  e.Create(PointFigure(dtPolygon, {{250, 200}, {280, 180}, {270, 210}, {280, 240}, {250, 220},
                                   {220, 240}, {230, 210}, {220, 180}},
                       kBlue, 0xFFC0A0));

  const TResult<std::filesystem::path> saved = SaveHistoryToFile(e.history, dir / "garden.mrl", TBackupRule::SaveAs);
  if (!saved.Ok) {
    std::cerr << saved.Detail << '\n';
    return 1;
  }
  std::cout << "wrote " << (dir / "garden.mrl").string() << " (" << e.history.GetStepCount()
            << " steps)\n";
  return 0;
}
