#pragma once
// The main of a benchmark program that needs Qt's application object
// (QGuiApplication for pictures and fonts, QApplication for the window),
// offscreen unless a platform is chosen. Qt sees no benchmark flags.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

namespace mirel::bench {

template <class Application>
int RunWithQt(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  Application app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace mirel::bench
