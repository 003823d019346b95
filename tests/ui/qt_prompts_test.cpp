// The real message boxes and file dialogs, answered by a timer that finds
// them open: captions, icons, Japanese buttons, the parent window, filters,
// default extensions and the current folder after a completed dialog.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "support/temp_folder.h"
#include "ui/dialog_filters.h"
#include "ui/form_fixture.h"
#include "ui/qt_user_prompts.h"

namespace mirel::test {
namespace {

class TQtPromptsTest : public ::testing::Test {
 protected:
  // Once a modal `Dialog` is open, `act` inspects and answers it.
  template <typename Dialog>
  void WhenOpen(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer(&window_);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      poll->stop();
      poll->deleteLater();
      act(*dialog);
    });
    poll->start();
  }
  // Presses the button with `text`, and says what the box showed.
  void Answer(const QString& text, QString* seen) {
    WhenOpen<QMessageBox>([this, text, seen](QMessageBox& box) {
      QStringList buttons;
      for (QAbstractButton* b : box.buttons()) buttons << b->text();
      buttons.sort();
      *seen = QStringList{box.windowTitle(), box.text(), QString::number(box.icon()), buttons.join(u','),
                          box.parentWidget() == &window_ ? "parented" : "orphan"}
                  .join(u'|');
      for (QAbstractButton* b : box.buttons()) {
        if (b->text() == text) b->click();
      }
    });
  }

  QWidget window_;
  TQtUserPrompts prompts_{window_};
};

TEST_F(TQtPromptsTest, MessageBoxesSpeakJapaneseAndBelongToTheWindow) {
  QString seen;
  Answer("OK", &seen);
  prompts_.Notice("ファイルけいしきがちがいます");
  EXPECT_EQ(seen, "Mirel|ファイルけいしきがちがいます|0|OK|parented");

  const struct {
    const char* press;
    TAnswer answer;
  } threeWay[] = {{"はい", TAnswer::Yes}, {"いいえ", TAnswer::No}, {"キャンセル", TAnswer::Cancel}};
  for (const auto& c : threeWay) {
    Answer(QString::fromUtf8(c.press), &seen);
    EXPECT_EQ(prompts_.AskYesNoCancel("かくにん", "ここからえがきなおしますか？"), c.answer) << c.press;
    EXPECT_EQ(seen, "かくにん|ここからえがきなおしますか？|4|いいえ,はい,キャンセル|parented");
  }

  Answer("はい", &seen);
  EXPECT_TRUE(prompts_.AskYesNo("確認", "すでにあるファイルにうわがきしますか"));
  EXPECT_EQ(seen, "確認|すでにあるファイルにうわがきしますか|4|いいえ,はい|parented");
  Answer("いいえ", &seen);
  EXPECT_FALSE(prompts_.AskYesNo("確認", "すでにあるファイルにうわがきしますか"));
}

TEST_F(TQtPromptsTest, ASaveDialogAddsItsExtensionAndMakesTheFolderCurrent) {
  TTempFolder folder;
  const QString previous = QDir::currentPath();
  const QString chosen = QString::fromStdString((folder / "niwa").string());
  QStringList filters;
  QString suffix;
  bool parented = false;
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    suffix = dialog.defaultSuffix();
    parented = dialog.parentWidget() == &window_;
    dialog.selectFile(chosen);
    static_cast<QDialog&>(dialog).accept();  // as the accept button does
  });
  const std::optional<std::string> path = prompts_.ChooseFile(TFileDialog::SaveBMP);
  EXPECT_EQ(filters, QStringList{"ビットマップ（*.bmp） (*.bmp)"});
  EXPECT_EQ(suffix, "bmp");
  EXPECT_TRUE(parented);
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, (chosen + ".bmp").toStdString());
  EXPECT_EQ(QDir::currentPath(), QDir(QString::fromStdString(folder.Path().string())).canonicalPath());
  QDir::setCurrent(previous);
}

TEST_F(TQtPromptsTest, ACancelledDialogChoosesNothingAndStaysPut) {
  const QString previous = QDir::currentPath();
  WhenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(prompts_.ChooseFile(TFileDialog::OpenData));
  EXPECT_EQ(QDir::currentPath(), previous);
}

TEST_F(TQtPromptsTest, FailuresShowTheirReasonAndOpenDialogsListTheRecoveryFolder) {
  QString seen;
  Answer("OK", &seen);
  prompts_.NoticeFailure("データ保存に失敗しました", "ディスクが いっぱいです");
  EXPECT_EQ(seen, "Mirel|データ保存に失敗しました\nディスクが いっぱいです|0|OK|parented");

  TTempFolder folder;
  const QUrl recovery = QUrl::fromLocalFile(QString::fromStdString(folder.Path().string()));
  prompts_.ListFolderInOpenDialogs(folder.Path().string());
  for (const TFileDialog kind : {TFileDialog::OpenData, TFileDialog::OpenBG, TFileDialog::OpenData}) {
    QList<QUrl> places;
    WhenOpen<QFileDialog>([&places](QFileDialog& dialog) {
      places = dialog.sidebarUrls();
      dialog.reject();
    });
    prompts_.ChooseFile(kind);
    EXPECT_EQ(places.count(recovery), 1) << static_cast<int>(kind);
  }
  // Not kept among the places Qt remembers for every later dialog.
  TQtUserPrompts unlisted(window_);
  QList<QUrl> places;
  WhenOpen<QFileDialog>([&places](QFileDialog& dialog) {
    places = dialog.sidebarUrls();
    dialog.reject();
  });
  unlisted.ChooseFile(TFileDialog::OpenData);
  EXPECT_FALSE(places.contains(recovery));
}

TEST_F(TQtPromptsTest, LocatingAPictureOffersItsNameAndKind) {
  TTempFolder folder;
  const QString previous = QDir::currentPath();
  const QString picture = QString::fromStdString((folder / "hana.jpg").string());
  QFile(picture).open(QIODevice::WriteOnly);
  QString filter;
  QString typed;
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    filter = dialog.selectedNameFilter();
    typed = dialog.selectedFiles().value(0);
    dialog.selectFile(picture);
    static_cast<QDialog&>(dialog).accept();  // as the accept button does
  });
  EXPECT_EQ(prompts_.PictureDialogFolder(), "");
  EXPECT_EQ(prompts_.LocatePicture("hana.jpg", 2), picture.toStdString());
  EXPECT_EQ(filter, "JPEGファイル（*.jpg）");  // shown without its patterns
  EXPECT_TRUE(typed.endsWith("/hana.jpg")) << typed.toStdString();
  EXPECT_EQ(prompts_.PictureDialogFolder(), (folder.Path().string() + "/"));
  QDir::setCurrent(previous);
}

TEST(DialogFilters, TurnCaptionPatternPairsIntoNameFilters) {
  const struct {
    const char* filter;
    QStringList filters;
  } cases[] = {
      {"Mirelファイル（*.mrl）|*.mrl", {"Mirelファイル（*.mrl） (*.mrl)"}},
      {"ビットマップ（*.bmp）|*.bmp|JPEGファイル（*.jpg）|*.jpg;*.bmp",
       {"ビットマップ（*.bmp） (*.bmp)", "JPEGファイル（*.jpg） (*.jpg *.bmp)"}},
      {"", {}},
      {"caption only", {}},
      {"empty patterns||next|*.x", {"next (*.x)"}},
  };
  for (const auto& c : cases) EXPECT_EQ(QtNameFilters(c.filter), c.filters) << c.filter;
}

}  // namespace
}  // namespace mirel::test
