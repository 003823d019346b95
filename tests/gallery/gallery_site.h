#pragma once
// A small class's gallery for the tests: the example drawing under a few
// names (hostile ones among them) and one drawing that cannot be read.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "batch/batch_run.h"

namespace mirel::test {

struct TClassFolder {
  TClassFolder() {
    QDir(Dir.path()).mkdir("class");
    for (const char* name : {"hana.mrl", "<script>.mrl", "a&b #1.mrl"}) {
      QFile::copy(QString(MIREL_EXAMPLES) + "/garden.mrl", Drawings() + "/" + name);
    }
    QFile::copy(QString(MIREL_EXAMPLES) + "/garden-sky.jpg", Drawings() + "/garden-sky.jpg");
    QFile::copy(QString(MIREL_TEST_DATA) + "/bad_truncated.mrl", Drawings() + "/broken.mrl");
  }
  QString Drawings() const { return Dir.filePath("class"); }
  QString Site() const { return Dir.filePath("site"); }
  TRun Build() const { return RunBatch({"gallery", Drawings(), "-o", Site()}); }
  QTemporaryDir Dir;
};

}  // namespace mirel::test
