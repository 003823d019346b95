#include "editor/editor_fixture.h"

#include "fileio/user_words.h"
#include "text/picture_names.h"

namespace mirel::test {

namespace {

// Frames recorded as SavePicture records them (a series), or kept aside
// until the video is finished.
class TRecordingSink final : public IFrameSink {
 public:
  TRecordingSink(TRecordingView& view, std::string chosenPath, bool video)
      : view_(view), chosen_(std::move(chosenPath)), video_(video) {}
  bool AddFrame(int step, int times) override {
    if (video_) {
      frames_.push_back(view_.Shown() + " x" + std::to_string(times));
      return true;
    }
    const std::string name = SeriesFrameName(chosen_, step);
    if (view_.SavePicture(TPictureKind::Jpeg, name, {}).Ok) return true;
    failed_ = name;
    return false;
  }
  TResult<> Finish() override {
    if (video_ && view_.FailingPaths.contains(chosen_)) failed_ = chosen_;
    const std::string_view failure = video_ ? msg::kVideoWriteFailed : msg::kPictureWriteFailed;
    if (!failed_.empty()) return TResult<>::Failed(std::string(failure) + failed_);
    if (video_) {
      view_.VideoPath = chosen_;
      view_.VideoFrames = frames_;
    }
    return TResult<>::Done();
  }

 private:
  TRecordingView& view_;
  std::string chosen_;
  bool video_;
  std::vector<std::string> frames_;
  std::string failed_;
};

}  // namespace

std::string TRecordingView::Shown() const {
  const std::string marks = Editor && Editor->SelectedFig() ? " marked" : "";
  return Background + "/" + std::to_string(Editor ? Editor->Document().Figures().Count() : 0) + marks;
}

TResult<> TRecordingView::SavePicture(TPictureKind, const std::string& path, const std::string& backup) {
  if (FailingPaths.contains(path)) return TResult<>::Failed({}, "disk full");
  if (!backup.empty() && Written.contains(path)) Backups.push_back(backup);
  Written[path] = Shown();
  return TResult<>::Done();
}

std::unique_ptr<IFrameSink> TRecordingView::StartSeries(const std::string& chosenPath) {
  return std::make_unique<TRecordingSink>(*this, chosenPath, false);
}

std::unique_ptr<IFrameSink> TRecordingView::StartVideo(const std::string& path, int fps) {
  EXPECT_EQ(fps, TEditor::kMovieFps);
  return std::make_unique<TRecordingSink>(*this, path, true);
}

TClock FixedClock() {
  // 0.37 s between readings, from 2004-11-22 13:05:09.87.
  return [tick = std::int64_t{0}]() mutable {
    const std::int64_t hundredths = 4'710'987 + 37 * tick++;
    TLocalTime t;
    t.Year = 2004;
    t.Month = 11;
    t.Day = 22 + static_cast<int>(hundredths / 8'640'000 % 7);
    t.Hour = static_cast<int>(hundredths / 360'000 % 24);
    t.Minute = static_cast<int>(hundredths / 6'000 % 60);
    t.Second = static_cast<int>(hundredths / 100 % 60);
    t.Millisecond = static_cast<int>(hundredths % 100) * 10 + 4;
    return t;
  };
}

TFigItem* TEditorTest::Figure(int index) const {
  const TFigList& list = Editor.Document().Figures();
  TFigItem* item = list.GetNext(list.GetHead());
  for (; item && index > 0; --index) item = item->Next();
  return item;
}

std::vector<TActionKind> TEditorTest::Kinds() {
  std::vector<TActionKind> kinds;
  for (const TActionItem* i = History().GetHead()->Next(); i; i = i->Next()) kinds.push_back(i->Data.TargetType);
  return kinds;
}

TFigItem* TEditorTest::DrawRect(TPoint start, TPoint end, TDrawingTool tool) {
  Editor.FinishBoxFigure(tool, start, end);
  return Figures().GetTail() == Figures().GetHead() ? nullptr : Figures().GetTail();
}

TFigItem* TEditorTest::DrawPoints(TDrawingTool tool, std::initializer_list<TPoint> points) {
  TPointData data;
  for (const TPoint& p : points) data.AddPoint(p.X, p.Y);
  if (tool == dtFreeLine) {
    Editor.FinishFreeLine(*points.begin(), *(points.end() - 1), data);
  } else {
    Editor.BeginPolyline();
    Editor.EndPolyline(tool, *(points.end() - 1), data);
  }
  return Figures().GetTail();
}

TFigItem* TEditorTest::DrawText(TPoint at, const std::string& utf8) {
  Editor.PressWithTextTool(at);
  Editor.InputEditEnter(at, utf8);
  return Figures().GetTail();
}

void TEditorTest::SelectAt(TPoint p, TPoint delta) {
  if (Editor.EditorMode() != mdEdit) Editor.SellectEditBtnClick();
  Editor.EditPress(p);
  const TPoint to{p.X + delta.X, p.Y + delta.Y};
  if (delta.X != 0 || delta.Y != 0) Editor.EditMove(to);
  Editor.EditRelease(to);
}

void TEditorTest::Select(TFigItem* item, TPoint delta) {
  // The figure's corner is inside its own box and front-most figures win,
  // so press where nothing in front of it lies: tests keep figures apart.
  SelectAt(item->Data.Start, delta);
}

}  // namespace mirel::test
