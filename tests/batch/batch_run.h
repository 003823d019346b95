#pragma once
// Runs the mirel-batch program itself and collects what it says.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace mirel::test {

struct TRun {
  int ExitCode = -1;  // -1 when the program did not end normally
  QByteArray Out;
  QByteArray Err;
};

// `inChild` runs in the child before the program starts (limits, say).
inline TRun RunBatch(const QStringList& args, const QString& workingDir = MIREL_EXAMPLES,
                     const std::function<void()>& inChild = {}) {
  QProcess process;
  process.setWorkingDirectory(workingDir);
  if (inChild) process.setChildProcessModifier(inChild);
  process.start(MIREL_BATCH_PROGRAM, args);
  process.waitForFinished(120000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput(), process.readAllStandardError()};
}

// The same with arguments as bytes, which QProcess would decode: for file
// names that are not UTF-8. Output goes through files in `scratchDir`.
inline TRun RunBatchWithBytes(const std::vector<std::string>& args, const std::string& scratchDir) {
  const std::string out = scratchDir + "/batch.out";
  const std::string err = scratchDir + "/batch.err";
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
    ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    std::vector<char*> argv{const_cast<char*>(MIREL_BATCH_PROGRAM)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(MIREL_BATCH_PROGRAM, argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  const auto read = [](const std::string& path) {
    QByteArray bytes;
    const int fd = ::open(path.c_str(), O_RDONLY);
    char buffer[4096];
    for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, got);
    if (fd >= 0) ::close(fd);
    return bytes;
  };
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(out), read(err)};
}

}  // namespace mirel::test
