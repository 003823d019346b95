#include "ui/qt_user_prompts.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "text/path_utils.h"
#include "ui/dialog_filters.h"

namespace mirel {
namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A modal message box whose buttons speak Japanese; the first button is the
// default, and Escape answers Cancel (or No where there is no Cancel).
QMessageBox::StandardButton RunMessageBox(QWidget& parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, &parent);
  const std::pair<QMessageBox::StandardButton, const char*> labels[] = {
      {QMessageBox::Yes, "はい"},
      {QMessageBox::No, "いいえ"},
      {QMessageBox::Cancel, "キャンセル"},
      {QMessageBox::Ok, "OK"}};
  for (const auto& [button, label] : labels) {
    if (QAbstractButton* b = box.button(button)) b->setText(QString::fromUtf8(label));
  }
  box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString DialogTitle(TFileDialog dialog) {
  switch (dialog) {
    case TFileDialog::OpenData: return QStringLiteral("えをよみこむ");
    case TFileDialog::SaveData: return QStringLiteral("えをほぞんする");
    case TFileDialog::OpenBG: return QStringLiteral("はいけいをよみこむ");
    case TFileDialog::SaveBMP: return QStringLiteral("BMPに書き出す");
    case TFileDialog::SaveJPEG: return QStringLiteral("JPEGに書き出す");
    case TFileDialog::SaveVideo: return QStringLiteral("動画に書き出す");
  }
  return {};
}

}  // namespace

TQtUserPrompts::TQtUserPrompts(QWidget& window) : window_(window) {}

void TQtUserPrompts::Notice(std::string_view message) {
  RunMessageBox(window_, QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), Text(message),
                QMessageBox::Ok);
}

void TQtUserPrompts::NoticeFailure(std::string_view message, std::string_view reason) {
  Notice(reason.empty() ? std::string(message) : std::string(message) + "\n" + std::string(reason));
}

void TQtUserPrompts::ListFolderInOpenDialogs(const std::string& folder) {
  listedFolder_ = QString::fromStdString(folder);
}

TAnswer TQtUserPrompts::AskYesNoCancel(std::string_view caption, std::string_view question) {
  switch (RunMessageBox(window_, QMessageBox::Question, Text(caption), Text(question),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return TAnswer::Yes;
    case QMessageBox::No: return TAnswer::No;
    default: return TAnswer::Cancel;
  }
}

bool TQtUserPrompts::AskYesNo(std::string_view caption, std::string_view question) {
  return RunMessageBox(window_, QMessageBox::Question, Text(caption), Text(question),
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> TQtUserPrompts::ChooseFile(TFileDialog dialog) {
  return RunFileDialog(dialog, 0);
}

std::optional<std::string> TQtUserPrompts::LocatePicture(std::string_view fileName, int filterIndex) {
  fileNames_[TFileDialog::OpenBG] = Text(fileName);
  return RunFileDialog(TFileDialog::OpenBG, filterIndex);
}

std::string TQtUserPrompts::PictureDialogFolder() const {
  const auto found = fileNames_.find(TFileDialog::OpenBG);
  if (found == fileNames_.end()) return {};
  return FolderPart(found->second.toStdString());
}

std::optional<std::string> TQtUserPrompts::RunFileDialog(TFileDialog kind, int filterIndex) {
  const TFileChoice settings = FileChoiceFor(kind);
  QFileDialog dialog(&window_, DialogTitle(kind), QDir::currentPath());
  // Qt's own dialog everywhere: its texts are Japanese and it behaves the same
  // on every desktop. Saving never asks here: the commands ask or back up.
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                    QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(settings.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(settings.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setLabelText(QFileDialog::Accept,
                      settings.Save ? QStringLiteral("ほぞん") : QStringLiteral("ひらく"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
  const QStringList filters = QtNameFilters(settings.Filter);
  dialog.setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size()) dialog.selectNameFilter(filters[filterIndex - 1]);
  if (!settings.DefaultExtension.empty()) {
    dialog.setDefaultSuffix(Text(settings.DefaultExtension));
    // A name typed without extension takes the kind of file chosen below
    // (the video dialog offers two).
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
      if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
    });
  }
  // Qt's dialogs keep their places in the user's settings: the folder is
  // listed only while this dialog runs, so another run (or another folder)
  // never finds it there.
  const QList<QUrl> places = dialog.sidebarUrls();
  const QUrl listed = QUrl::fromLocalFile(listedFolder_);
  if (!settings.Save && !listedFolder_.isEmpty() && !places.contains(listed)) {
    dialog.setSidebarUrls(QList<QUrl>(places) << listed);
  }
  if (const auto preset = fileNames_.find(kind); preset != fileNames_.end()) {
    dialog.selectFile(preset->second);
  }

  const bool accepted = dialog.exec() == QDialog::Accepted;
  const QStringList chosen = accepted ? dialog.selectedFiles() : QStringList();
  dialog.setSidebarUrls(places);
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  const QString path = chosen.front();
  fileNames_[kind] = path;
  // As the platform dialogs did: relative look-ups and exported names now
  // start from the chosen file's folder.
  QDir::setCurrent(QFileInfo(path).absolutePath());
  return path.toStdString();
}

}  // namespace mirel
