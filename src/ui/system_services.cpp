#include "ui/system_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace mirel {

TSystemServices TSystemServices::Real(QWidget& window) {
  TSystemServices services;
  services.ChoosePrinter = [&window](QPrinter& printer) {
    QPrintDialog dialog(&printer, &window);
    return dialog.exec() == QDialog::Accepted;
  };
  services.ChooseFolder = [&window](TFolderDialog kind) -> std::optional<std::string> {
    const bool drawings = kind == TFolderDialog::GalleryDrawings;
    QFileDialog dialog(&window,
                       drawings ? QStringLiteral("ギャラリーに する え の フォルダ")
                                : QStringLiteral("ギャラリーを つくる フォルダ"),
                       QDir::currentPath());
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("えらぶ"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
  };
  services.OpenPage = [](const QUrl& page) { QDesktopServices::openUrl(page); };
  return services;
}

}  // namespace mirel
