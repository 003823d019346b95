#pragma once
// Drawing needs a QGuiApplication; test programs that draw create one,
// without a display, for the whole run.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace mirel::test {

class TGuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    App = std::make_unique<QGuiApplication>(Argc, Argv);
  }
  void TearDown() override { App.reset(); }

 private:
  int Argc = 1;
  char Name[16] = "mirel_test";
  char* Argv[2] = {Name, nullptr};
  std::unique_ptr<QGuiApplication> App;
};

// Registers the environment once per test program (include in one file).
inline ::testing::Environment* const GuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new TGuiEnvironment);

}  // namespace mirel::test
