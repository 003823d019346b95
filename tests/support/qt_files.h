#pragma once
// Whole files as bytes, for the tests that work with Qt's strings.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace mirel::test {

// The whole file, or empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

}  // namespace mirel::test
