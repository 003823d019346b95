#include "model/stamp_contents.h"

#include "model/fig_data.h"
#include "model/fig_ops.h"

namespace mirel {

struct TStampContents::TShared {
  enum class TFit { Unknown, Yes, No };

  explicit TShared(std::unique_ptr<TFigList> list) : List(std::move(list)) {}

  std::unique_ptr<TFigList> List;
  TFit Fit = TFit::Unknown;         // whether copying the figures changes none
  std::shared_ptr<TShared> Fitted;  // when it does: the copied figures
};

namespace {

// Copying `figure` gives it back unchanged (its own stamp contents aside).
bool CopiesAsItIs(const TFigData& figure) {
  if (figure.PointData && !IsPointListTool(figure.DrawingTool)) return false;
  if (figure.StampData && figure.DrawingTool != dtStamp) return false;
  if (!IsPointListTool(figure.DrawingTool) || !figure.PointData) return true;
  const TFigData copy(figure);
  const TPointData& a = *figure.PointData;
  const TPointData& b = *copy.PointData;
  return copy.Start == figure.Start && copy.End == figure.End && a.GetCount() == b.GetCount() &&
         a.MinX == b.MinX && a.MinY == b.MinY && a.MaxX == b.MaxX && a.MaxY == b.MaxY;
}

}  // namespace

TStampContents::TStampContents(std::unique_ptr<TFigList> list)
    : shared_(list ? std::make_shared<TShared>(std::move(list)) : nullptr) {}

TStampContents& TStampContents::operator=(std::unique_ptr<TFigList> list) {
  *this = TStampContents(std::move(list));
  return *this;
}

TStampContents& TStampContents::operator=(std::nullptr_t) {
  shared_.reset();
  return *this;
}

TStampContents::TStampContents(const TStampContents& other) : shared_(other.CopyForm()) {}

TStampContents& TStampContents::operator=(const TStampContents& other) {
  shared_ = other.CopyForm();
  return *this;
}

TStampContents::~TStampContents() = default;

const TFigList* TStampContents::get() const { return shared_ ? shared_->List.get() : nullptr; }

std::shared_ptr<TStampContents::TShared> TStampContents::CopyForm() const {
  if (!shared_) return nullptr;
  TShared& contents = *shared_;
  if (contents.Fit == TShared::TFit::Unknown) {
    contents.Fit = TShared::TFit::Yes;
    for (const TFigItem* item = contents.List->GetNext(contents.List->GetHead()); item; item = item->Next()) {
      // A stamp inside fits when its own copy form is its contents.
      const bool fits = CopiesAsItIs(item->Data) &&
                        (!item->Data.StampData ||
                         item->Data.StampData.CopyForm() == item->Data.StampData.shared_);
      if (!fits) {
        contents.Fit = TShared::TFit::No;
        break;
      }
    }
  }
  if (contents.Fit == TShared::TFit::Yes) return shared_;
  if (!contents.Fitted) {
    auto fitted = std::make_unique<TFigList>();
    for (const TFigItem* item = contents.List->GetNext(contents.List->GetHead()); item; item = item->Next()) {
      AddCopy(*fitted, item->Data);
    }
    contents.Fitted = std::make_shared<TShared>(std::move(fitted));
    contents.Fitted->Fit = TShared::TFit::Yes;
  }
  return contents.Fitted;
}

TFigList& TStampContents::MakeUnique() {
  if (IsShared()) {
    auto copy = std::make_unique<TFigList>();
    for (const TFigItem* item = shared_->List->GetNext(shared_->List->GetHead()); item; item = item->Next()) {
      AddCopy(*copy, item->Data);
    }
    shared_ = std::make_shared<TShared>(std::move(copy));
  }
  // The caller changes the figures: what copying them gives is known no more.
  shared_->Fit = TShared::TFit::Unknown;
  shared_->Fitted.reset();
  return *shared_->List;
}

}  // namespace mirel
