// The tool menu's gallery: a folder of drawings becomes a web page, which
// then opens in the default browser.
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "fileio/user_words.h"
#include "gallery/gallery_build.h"
#include "ui/form_view.h"
#include "ui/mirel_form.h"

namespace mirel {

void TMirelForm::GalleryMenuClick() {
  Run([this] {
    const std::optional<std::string> drawings = services_.ChooseFolder(TFolderDialog::GalleryDrawings);
    if (!drawings) return;
    const std::optional<std::string> site = services_.ChooseFolder(TFolderDialog::GallerySite);
    if (!site) return;
    TGalleryOptions options;
    options.Inputs = {*drawings};
    options.Site = *site;
    std::vector<std::string> problems;
    view_->SetBusy(true);
    const std::optional<TGallerySummary> outcome = BuildGallery(
        options, [this](int done, int total) { return view_->ShowProgress(done, total); },
        [&problems](const std::string& line) { problems.push_back(line); });
    view_->ShowProgress(0, 0);
    view_->SetBusy(false);
    if (!outcome) return;
    if (outcome->Failed > 0) {
      prompts_->Notice(std::string(msg::kDrawingsUnreadCount) + std::to_string(outcome->Failed) +
                       std::string(msg::kDrawingsUnreadTail));
    } else if (!outcome->Whole()) {
      prompts_->Notice(std::string(msg::kGalleryPartial) +
                       (problems.empty() ? std::string() : ": " + problems.front()));
    }
    const std::filesystem::path index = std::filesystem::path(*site) / "index.html";
    std::error_code ec;
    if (std::filesystem::exists(index, ec)) {
      services_.OpenPage(QUrl::fromLocalFile(QString::fromStdString(index.string())));
    }
  });
}

}  // namespace mirel
