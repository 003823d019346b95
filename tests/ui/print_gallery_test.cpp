// The tool menu's printing and gallery: the page printed holds the canvas
// without selection marks; the gallery asks for two folders, builds the
// page and opens it in the browser, and asks nothing more when a folder
// question is cancelled.
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>

#include "ui/form_fixture.h"
#include "ui/system_services.h"

namespace mirel {
namespace {

class PrintAndGallery : public test::TFormTest {
 protected:
  PrintAndGallery() {
    TSystemServices services;
    services.ChoosePrinter = [this](QPrinter& printer) {
      ++PrintDialogs;
      Orientation = printer.pageLayout().orientation();
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(Dir.filePath("printed.pdf"));
      return PrintAnswer;
    };
    services.ChooseFolder = [this](TFolderDialog dialog) -> std::optional<std::string> {
      FolderQuestions.push_back(dialog);
      if (Folders.empty()) return std::nullopt;
      std::optional<std::string> folder = Folders.front();
      Folders.pop_front();
      return folder;
    };
    services.OpenPage = [this](const QUrl& page) { Opened.push_back(page); };
    Form().SetSystemServices(std::move(services));
  }
  QTemporaryDir Dir;
  int PrintDialogs = 0;
  bool PrintAnswer = true;
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;
  std::vector<QUrl> Opened;
  std::deque<std::string> Folders;  // the folder questions' answers; cancelled when empty
  std::vector<TFolderDialog> FolderQuestions;
};

TEST_F(PrintAndGallery, PrintingAsksThePrinterLandscapeFirstAndWritesThePage) {
  DrawRectangles(2);
  PrintAnswer = false;
  Choose("PrintMenu");
  EXPECT_EQ(PrintDialogs, 1);
  EXPECT_FALSE(QFile::exists(Dir.filePath("printed.pdf"))) << "a cancelled dialog prints nothing";
  PrintAnswer = true;
  Choose("PrintMenu");
  EXPECT_EQ(Orientation, QPageLayout::Landscape);
  QFile pdf(Dir.filePath("printed.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
  EXPECT_TRUE(User().Notices.empty());
}

TEST_F(PrintAndGallery, TheGalleryAsksTwoFoldersBuildsAndOpensThePage) {
  QDir(Dir.path()).mkdir("class");
  QFile::copy(QString(MIREL_EXAMPLES) + "/garden.mrl", Dir.filePath("class/hana.mrl"));
  QFile::copy(QString(MIREL_EXAMPLES) + "/garden-sky.jpg", Dir.filePath("class/garden-sky.jpg"));
  // Cancelled at the first and at the second question: nothing is built.
  Choose("GalleryMenu");
  Folders = {Dir.filePath("class").toStdString()};
  Choose("GalleryMenu");
  EXPECT_EQ(FolderQuestions, (std::vector<TFolderDialog>{TFolderDialog::GalleryDrawings, TFolderDialog::GalleryDrawings,
                                                         TFolderDialog::GallerySite}));
  EXPECT_TRUE(Opened.empty());
  EXPECT_FALSE(QFile::exists(Dir.filePath("site/index.html")));

  Folders = {Dir.filePath("class").toStdString(), Dir.filePath("site").toStdString()};
  Choose("GalleryMenu");
  ASSERT_EQ(Opened.size(), 1u);
  EXPECT_EQ(Opened[0], QUrl::fromLocalFile(Dir.filePath("site/index.html")));
  EXPECT_TRUE(QFile::exists(Dir.filePath("site/works/hana/making.webm")));
  EXPECT_TRUE(User().Notices.empty());
  EXPECT_TRUE(Item("GalleryMenu")->isEnabled()) << "the window takes input again";

  // A drawing that cannot be read is told, and the page opens all the same.
  QFile::copy(QString(MIREL_TEST_DATA) + "/bad_truncated.mrl", Dir.filePath("class/broken.mrl"));
  Folders = {Dir.filePath("class").toStdString(), Dir.filePath("site").toStdString()};
  Choose("GalleryMenu");
  ASSERT_EQ(User().Notices.size(), 1u);
  EXPECT_NE(User().Notices[0].find("1"), std::string::npos);
  EXPECT_EQ(Opened.size(), 2u);
}

}  // namespace
}  // namespace mirel
