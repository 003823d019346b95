// mirel: the drawing program. `mirel FILE` opens a drawing (.mrl) or a
// background picture (.bmp, .jpg) at start, as if it were dropped on the window.
// A drawing an earlier run left unsaved is offered back first.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "app/mirel_application.h"
#include "datafile/recovery_folder.h"
#include "fileio/file_replace.h"
#include "text/native_arguments.h"
#include "ui/button_icons.h"
#include "ui/mirel_form.h"
#include "ui/qt_user_prompts.h"

namespace {

// Before the application exists the parser cannot know the program's name.
std::string HelpText(const QCommandLineParser& parser) {
  return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("mirel")).toStdString();
}

// --version and --help answer on standard output and end the program, also
// without a display: the arguments are read before the application exists.
// Otherwise the file to open, if any.
std::optional<int> ParseCommandLine(int argc, char** argv, QString& file) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Mirel: draw pictures and watch how they were made.\n"
                     "Unsaved drawings are kept in $XDG_DATA_HOME/mirel/recovery and offered back "
                     "at the next start."));
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("a drawing (.mrl) or a background picture (.bmp, .jpg) to open"),
                               QStringLiteral("[file]"));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("show this help"));
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("show the version"));
  parser.addOptions({help, version});
  // A file name need not be UTF-8: every byte is kept.
  if (!parser.parse(mirel::ArgumentsKeepingBytes(argc, argv))) {
    std::cerr << "mirel: " << parser.errorText().toStdString() << '\n';
    std::cerr << HelpText(parser);
    return 2;
  }
  if (parser.isSet(version)) {
    std::cout << "mirel " MIREL_VERSION "\n";
    return 0;
  }
  if (parser.isSet(help)) {
    std::cout << HelpText(parser);
    return 0;
  }
  file = parser.positionalArguments().value(0);
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  QString file;
  if (const std::optional<int> status = ParseCommandLine(argc, argv, file)) return *status;
  // A file size limit (ulimit -f) then fails a write with a message,
  // instead of ending the program with the drawing.
  mirel::IgnoreFileSizeSignal();
  mirel::TMirelApplication app(argc, argv);
  QCoreApplication::setApplicationName(QString::fromLatin1(mirel::kApplicationTitle));
  QCoreApplication::setApplicationVersion(QStringLiteral(MIREL_VERSION));

  QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
  QApplication::setWindowIcon(mirel::ButtonIcon(QStringLiteral("mirel"), QSize(64, 64)));
  // The file dialogs' own texts in Japanese too.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTexts);
  }

  const std::optional<std::filesystem::path> recovery = mirel::DefaultRecoveryFolder();
  mirel::TMirelForm form;
  QObject::connect(&form, &mirel::TMirelForm::ExitRequested, &app,
                   [](int status) { QCoreApplication::exit(status); });
  form.show();
  form.FormCreate(file, recovery ? QString::fromStdString(recovery->string()) : QString());
  return QApplication::exec();
}
