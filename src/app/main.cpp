// mirel: the drawing program. `mirel FILE` opens a drawing (.mrl) or a
// background picture (.bmp, .jpg) at start, as if it were dropped on the window.
#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/mirel_application.h"
#include "ui/button_icons.h"
#include "ui/mirel_form.h"
#include "ui/qt_user_prompts.h"

int main(int argc, char** argv) {
  mirel::TMirelApplication app(argc, argv);
  QCoreApplication::setApplicationName(QString::fromLatin1(mirel::kApplicationTitle));
  QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
  QApplication::setWindowIcon(mirel::ButtonIcon(QStringLiteral("mirel"), QSize(64, 64)));
  // The file dialogs' own texts in Japanese too.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTexts);
  }

  mirel::TMirelForm form;
  QObject::connect(&form, &mirel::TMirelForm::ExitRequested, &app,
                   [](int status) { QCoreApplication::exit(status); });
  form.show();
  form.FormCreate(QCoreApplication::arguments().value(1));
  return QApplication::exec();
}
