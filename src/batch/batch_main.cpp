// mirel-batch: reads Mirel data files and replays, describes, renders and
// exports them without a window.
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "batch/batch_commands.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  mirel-batch log FILE\n"
    "  mirel-batch dump FILE [--step N] [--bg-dir DIR]\n"
    "  mirel-batch render FILE [--step N] [--bg-dir DIR] -o OUT.bmp|OUT.jpg|OUT.png\n"
    "  mirel-batch frames FILE [--bg-dir DIR] -o PATH.jpg\n"
    "  mirel-batch resave FILE -o OUT.mrl\n";

// Qt's note about a missing runtime folder says nothing about the files at
// hand; other messages pass on to standard error.
void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
  std::cerr << message.toStdString() << '\n';
  if (type == QtFatalMsg) std::abort();
}

int UsageError(const QString& why) {
  std::cerr << "mirel-batch: " << why.toStdString() << '\n' << kUsage;
  return mirel::kExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Headless: pictures and fonts without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(FilterQtMessages);
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName("mirel-batch");

  QCommandLineParser parser;
  parser.setApplicationDescription("Replays, describes and exports Mirel data files.");
  parser.addPositionalArgument("command", "log, dump, render, frames or resave");
  parser.addPositionalArgument("file", "the data file (.mrl)");
  const QCommandLineOption stepOption("step", "replay up to step N (default: the last)", "N");
  const QCommandLineOption outputOption(QStringList{"o", "output"}, "the file to write", "OUT");
  const QCommandLineOption bgDirOption("bg-dir",
                                       "look for missing background pictures in DIR (then in the "
                                       "data file's own folder)",
                                       "DIR");
  const QCommandLineOption helpOption(QStringList{"h", "help"}, "show this help");
  const QCommandLineOption versionOption(QStringList{"v", "version"}, "show the version");
  parser.addOptions({stepOption, outputOption, bgDirOption, helpOption, versionOption});

  if (!parser.parse(QCoreApplication::arguments())) return UsageError(parser.errorText());
  if (parser.isSet(versionOption)) {
    std::cout << "mirel-batch " MIREL_VERSION "\n";
    return mirel::kExitOk;
  }
  if (parser.isSet(helpOption)) {
    std::cout << kUsage;
    return mirel::kExitOk;
  }
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) return UsageError("expected a command and one file");
  const QString command = args[0];
  const QStringList commands{"log", "dump", "render", "frames", "resave"};
  if (!commands.contains(command)) return UsageError("unknown command: " + command);

  mirel::TBatchOptions options;
  options.File = args[1].toStdString();
  for (const QString& dir : parser.values(bgDirOption)) options.BackgroundFolders.push_back(dir.toStdString());
  // A drawing usually travels with its pictures: like the window, whose open
  // dialog makes the file's folder the current one, look there too.
  options.BackgroundFolders.push_back(QFileInfo(args[1]).absolutePath().toStdString());
  if (parser.isSet(stepOption)) {
    bool ok = false;
    const int step = parser.value(stepOption).toInt(&ok);
    if (!ok || step < 0) return UsageError("--step needs a step number, 0 or more");
    options.Step = step;
  }
  options.Output = parser.value(outputOption).toStdString();

  const bool needsOutput = command == "render" || command == "frames" || command == "resave";
  const bool takesStep = command == "dump" || command == "render";
  if (needsOutput && options.Output.empty()) return UsageError(command + " needs -o");
  if (!needsOutput && parser.isSet(outputOption)) return UsageError(command + " takes no -o");
  if (!takesStep && parser.isSet(stepOption)) return UsageError(command + " takes no --step");

  int status = mirel::kExitOk;
  if (command == "log") {
    status = mirel::RunLogCommand(options);
  } else if (command == "dump") {
    status = mirel::RunDumpCommand(options);
  } else if (command == "render") {
    status = mirel::RunRenderCommand(options);
  } else if (command == "frames") {
    status = mirel::RunFramesCommand(options);
  } else {
    status = mirel::RunResaveCommand(options);
  }
  // A command that finds a wrong use (a step outside the history, an output
  // of no known kind) has said what is wrong; the usage follows.
  if (status == mirel::kExitUsage) std::cerr << kUsage;
  return status;
}
