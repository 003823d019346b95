// mirel-batch: reads Mirel data files and replays, describes, renders and
// exports them without a window.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "batch/batch_commands.h"
#include "text/native_arguments.h"
#include "fileio/file_replace.h"
#include "text/path_utils.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  mirel-batch log FILE\n"
    "  mirel-batch dump FILE [--step N] [--bg-dir DIR] [--strict]\n"
    "  mirel-batch render FILE [--step N] [--bg-dir DIR] [--strict] -o OUT.bmp|OUT.jpg|OUT.png|OUT.pdf\n"
    "  mirel-batch frames FILE [--bg-dir DIR] [--strict] -o DIR/NAME.jpg (writes DIR/NAME001.jpg, ...)\n"
    "  mirel-batch resave FILE -o OUT.mrl\n"
    "  mirel-batch timelapse FILE [--fps N] [--hold SECONDS] [--bg-dir DIR] [--strict] -o OUT.mp4|OUT.webm\n"
    "  mirel-batch gallery FOLDER... [--bg-dir DIR] -o SITE (one web page over every drawing)\n"
    "  mirel-batch gallery --index-only SITE (the index from the drawings' outputs in SITE)\n"
    "A background picture that cannot be found or loaded is a warning; with --strict\n"
    "it also makes the exit status 1 (the output is written all the same).\n";

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

// The frames are named after the file that -o names; a folder names none.
bool NamesAFile(const std::string& output) {
  std::error_code ec;
  return !output.ends_with('/') && !mirel::BaseNameOf(output).empty() &&
         !std::filesystem::is_directory(output, ec);
}

// Only the commands that compose pictures need fonts and a platform; the
// others start without them, which costs a fraction of the time.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[], bool draws) {
  std::unique_ptr<QCoreApplication> app;
  if (draws) {
    // Headless: pictures and fonts without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName("mirel-batch");
  return app;
}

}  // namespace

int main(int argc, char* argv[]) {
  qInstallMessageHandler(FilterQtMessages);
  // A file size limit then fails a write with a message instead of killing.
  mirel::IgnoreFileSizeSignal();

  QCommandLineParser parser;
  parser.setApplicationDescription("Replays, describes and exports Mirel data files.");
  parser.addPositionalArgument("command", "log, dump, render, frames, resave, timelapse or gallery");
  parser.addPositionalArgument("file", "the data file (.mrl)");
  const QCommandLineOption stepOption("step", "replay up to step N (default: the last)", "N");
  const QCommandLineOption outputOption(QStringList{"o", "output"}, "the file to write", "OUT");
  const QCommandLineOption bgDirOption("bg-dir",
                                       "look for missing background pictures in DIR (then in the "
                                       "data file's own folder)",
                                       "DIR");
  const QCommandLineOption strictOption("strict", "exit 1 when a background picture cannot be shown");
  const QCommandLineOption fpsOption("fps", "timelapse: frames a second (default 10)", "N");
  const QCommandLineOption holdOption("hold", "timelapse: seconds the last picture stays (default 2)", "SECONDS");
  const QCommandLineOption indexOnlyOption("index-only", "gallery: write the index of SITE only", "SITE");
  const QCommandLineOption helpOption(QStringList{"h", "help"}, "show this help");
  const QCommandLineOption versionOption(QStringList{"v", "version"}, "show the version");
  parser.addOptions({stepOption, outputOption, bgDirOption, strictOption, fpsOption, holdOption, indexOnlyOption,
                     helpOption, versionOption});

  // File names are bytes: QCoreApplication::arguments() would decode them.
  if (!parser.parse(mirel::ArgumentsKeepingBytes(argc, argv))) return UsageError(parser.errorText());
  if (parser.isSet(versionOption)) {
    std::cout << "mirel-batch " MIREL_VERSION "\n";
    return mirel::kExitOk;
  }
  if (parser.isSet(helpOption)) {
    std::cout << kUsage;
    return mirel::kExitOk;
  }
  const QStringList args = parser.positionalArguments();
  if (!args.isEmpty() && args[0] == "gallery") {
    mirel::TBatchOptions options;
    for (const QString& folder : args.mid(1)) options.Inputs.push_back(mirel::BytesFromArgument(folder));
    for (const QString& dir : parser.values(bgDirOption)) {
      options.BackgroundFolders.push_back(mirel::BytesFromArgument(dir));
    }
    options.IndexOnly = parser.isSet(indexOnlyOption);
    options.Output = mirel::BytesFromArgument(options.IndexOnly ? parser.value(indexOnlyOption)
                                                                : parser.value(outputOption));
    if (parser.isSet(stepOption) || parser.isSet(fpsOption) || parser.isSet(holdOption) ||
        parser.isSet(strictOption)) {
      return UsageError("gallery takes no --step, --fps, --hold or --strict");
    }
    if (options.IndexOnly && (!options.Inputs.empty() || parser.isSet(outputOption))) {
      return UsageError("gallery --index-only SITE takes no folders and no -o");
    }
    if (!options.IndexOnly && (options.Inputs.empty() || options.Output.empty())) {
      return UsageError("gallery needs folders of drawings and -o SITE");
    }
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv, true);
    return mirel::RunGalleryCommand(options);
  }
  if (parser.isSet(indexOnlyOption)) return UsageError("only gallery takes --index-only");
  if (args.size() != 2) return UsageError("expected a command and one file");
  const QString command = args[0];
  const QStringList commands{"log", "dump", "render", "frames", "resave", "timelapse"};
  if (!commands.contains(command)) return UsageError("unknown command: " + command);

  mirel::TBatchOptions options;
  options.File = mirel::BytesFromArgument(args[1]);
  for (const QString& dir : parser.values(bgDirOption)) {
    options.BackgroundFolders.push_back(mirel::BytesFromArgument(dir));
  }
  // A drawing usually travels with its pictures: like the window, whose open
  // dialog makes the file's folder the current one, look there too.
  std::error_code ec;
  options.BackgroundFolders.push_back(std::filesystem::absolute(options.File, ec).parent_path().string());
  if (parser.isSet(stepOption)) {
    bool ok = false;
    const int step = parser.value(stepOption).toInt(&ok);
    if (!ok || step < 0) return UsageError("--step needs a step number, 0 or more");
    options.Step = step;
  }
  options.Output = mirel::BytesFromArgument(parser.value(outputOption));
  options.Strict = parser.isSet(strictOption);

  const bool video = command == "timelapse";
  if (!video && (parser.isSet(fpsOption) || parser.isSet(holdOption))) {
    return UsageError(command + " takes no --fps or --hold");
  }
  if (parser.isSet(fpsOption)) {
    bool ok = false;
    options.Fps = parser.value(fpsOption).toInt(&ok);
    if (!ok || options.Fps < 1 || options.Fps > 120) return UsageError("--fps needs a number from 1 to 120");
  }
  if (parser.isSet(holdOption)) {
    bool ok = false;
    options.Hold = parser.value(holdOption).toDouble(&ok);
    if (!ok || options.Hold < 0 || options.Hold > 600) return UsageError("--hold needs seconds from 0 to 600");
  }
  const bool needsOutput = command == "render" || command == "frames" || command == "resave" || video;
  const bool takesStep = command == "dump" || command == "render";
  const bool showsBackgrounds = command == "dump" || command == "render" || command == "frames" || video;
  if (needsOutput && options.Output.empty()) return UsageError(command + " needs -o");
  if (!needsOutput && parser.isSet(outputOption)) return UsageError(command + " takes no -o");
  if (!takesStep && parser.isSet(stepOption)) return UsageError(command + " takes no --step");
  if (!showsBackgrounds && options.Strict) return UsageError(command + " takes no --strict");
  if (command == "frames" && !NamesAFile(options.Output)) {
    return UsageError("frames -o needs a file name to number, such as DIR/flower.jpg, not a folder: " +
                      parser.value(outputOption));
  }

  const bool draws = command == "render" || command == "frames" || video;
  const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv, draws);
  int status = mirel::kExitOk;
  if (command == "log") {
    status = mirel::RunLogCommand(options);
  } else if (command == "dump") {
    status = mirel::RunDumpCommand(options);
  } else if (command == "render") {
    status = mirel::RunRenderCommand(options);
  } else if (command == "frames") {
    status = mirel::RunFramesCommand(options);
  } else if (video) {
    status = mirel::RunTimelapseCommand(options);
  } else {
    status = mirel::RunResaveCommand(options);
  }
  // A command that finds a wrong use (a step outside the history, an output
  // of no known kind) has said what is wrong; the usage follows.
  if (status == mirel::kExitUsage) std::cerr << kUsage;
  return status;
}
