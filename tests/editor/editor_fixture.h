#pragma once
// The editor as the tests drive it: a user who answers from a script and a
// window that records what it was asked to show.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/user_prompts.h"
#include "support/scripted_user.h"

namespace mirel::test {

// A window without pixels: texts are 6 pixels per byte at 12 points (half
// the size per byte), pictures exist when listed, written pictures are kept
// by name.
class TRecordingView final : public IEditorView {
 public:
  std::set<std::string> Pictures;     // recorded names that load
  std::set<std::string> Undecodable;  // recorded names that exist but do not load
  bool AnyPictureLoads = false;
  std::string Background;             // the picture shown; empty = blank
  int Repaints = 0;
  bool TextBox = false;
  TPoint TextBoxAt;
  int TextBoxWidth = 0;
  std::string TextBoxText;
  bool StampPreview = false;
  TStepDateTexts Dates;
  std::string Caption;
  std::vector<std::string> Busy;  // "on" / "off"
  bool Clipboard = false;
  // Pictures written: path -> the background and the figure count then;
  // paths in FailingPaths fail.
  std::map<std::string, std::string> Written;
  std::set<std::string> FailingPaths;
  std::vector<std::string> Backups;
  const TEditor* Editor = nullptr;  // to describe what a written picture shows
  // Long exports: the video's path and frames ("background/count xtimes"),
  // kept only when it was finished; the progress shown ("done/total"); the
  // user cancels when CancelAt frames are done.
  std::string VideoPath;
  std::vector<std::string> VideoFrames;
  std::vector<std::string> Progress;
  int CancelAt = -1;

  TResult<> LoadBackground(const std::string& name) override {
    if (Undecodable.contains(name)) return TResult<>::Failed("broken picture");
    if (!AnyPictureLoads && !Pictures.contains(name)) return BackgroundNotFound();
    Background = name;
    return TResult<>::Done();
  }
  void ClearBackground() override { Background.clear(); }
  void Repaint(const TCanvasScene&) override { ++Repaints; }
  int TextWidth(const std::string& text, int points) override {
    return static_cast<int>(text.size()) * points / 2;
  }
  void ShowTextBox(TPoint at, int width, const std::string* text) override {
    TextBox = true;
    TextBoxAt = at;
    TextBoxWidth = width;
    if (text) TextBoxText = *text;
  }
  void HideTextBox() override {
    TextBox = false;
    TextBoxText.clear();
  }
  bool TextBoxVisible() const override { return TextBox; }
  void ShowStampPreview(const TStampPreview&) override { StampPreview = true; }
  void ClearStampPreview() override { StampPreview = false; }
  void ShowDates(const TStepDateTexts& dates) override { Dates = dates; }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  TResult<> SavePicture(TPictureKind kind, const std::string& path, const std::string& backup) override;
  void CopyToClipboard() override { Clipboard = true; }
  std::unique_ptr<IFrameSink> StartSeries(const std::string& chosenPath) override;
  std::unique_ptr<IFrameSink> StartVideo(const std::string& path, int fps) override;
  bool ShowProgress(int done, int total) override {
    Progress.push_back(std::to_string(done) + "/" + std::to_string(total));
    return done != CancelAt;
  }
  std::string Shown() const;  // the background and the figure count, " marked" with a mark
  void SetBusy(bool busy) override { Busy.push_back(busy ? "on" : "off"); }
};

// Fixed time: 2004-11-22 13:05:09.87, 0.37 s later at every reading.
TClock FixedClock();

struct TEditorTest : ::testing::Test {
  TScriptedUser User;
  TRecordingView View;
  TEditor Editor{View, User, FixedClock()};

  TEditorTest() { View.Editor = &Editor; }

  TDocument& Doc() { return Editor.Document(); }
  const THistoryList& History() { return Doc().History(); }
  const TFigList& Figures() { return Doc().Figures(); }
  TFigItem* Figure(int index) const;  // from the back; none past the front
  const TActionData& Record(int step) { return History().StepItem(step)->Data; }
  std::vector<TActionKind> Kinds();

  // Drawing as the tools finish figures, in drawing mode.
  TFigItem* DrawRect(TPoint start, TPoint end, TDrawingTool tool = dtRectangle);
  TFigItem* DrawPoints(TDrawingTool tool, std::initializer_list<TPoint> points);
  TFigItem* DrawText(TPoint at, const std::string& utf8);
  // Editing mode: a press on the figure and a release `delta` away.
  void SelectAt(TPoint p, TPoint delta = {0, 0});
  void Select(TFigItem* item, TPoint delta = {0, 0});
};

}  // namespace mirel::test
