// mirel-batch as started: the commands that draw nothing (log, resave) run
// here without Qt, which would take several times their work to load; every
// other use of the command line, and every use these forms do not cover, is
// handed whole to the full program (mirel-batch-qt), which parses it.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/core_commands.h"
#include "fileio/file_replace.h"

namespace {

namespace fs = std::filesystem;

struct TCoreCommand {
  bool Resave = false;
  std::string File;
  std::string Output;
};

bool IsFileArgument(std::string_view arg) { return !arg.empty() && arg.front() != '-'; }

// `log FILE` and `resave FILE -o OUT` (also --output OUT, -oOUT,
// --output=OUT, the option first); none for anything else.
std::optional<TCoreCommand> ParseCoreCommand(int argc, char* argv[]) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  TCoreCommand command;
  if (args.size() == 2 && args[0] == "log" && IsFileArgument(args[1])) {
    command.File = args[1];
    return command;
  }
  if (args.empty() || args[0] != "resave") return std::nullopt;
  command.Resave = true;
  std::optional<std::string> output;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if ((arg == "-o" || arg == "--output") && i + 1 < args.size() && !output) {
      output = std::string(args[++i]);
    } else if (arg.starts_with("--output=") && !output) {
      output = std::string(arg.substr(9));
    } else if (arg.starts_with("-o") && arg.size() > 2 && arg[2] != '-' && !output) {
      output = std::string(arg.substr(2));
    } else if (IsFileArgument(arg) && command.File.empty()) {
      command.File = arg;
    } else {
      return std::nullopt;
    }
  }
  if (command.File.empty() || !output || output->empty()) return std::nullopt;
  command.Output = *output;
  return command;
}

// Installed beside the programs' prefix (prefix/bin/mirel-batch and
// prefix/lib.../mirel/mirel-batch-qt); in a build tree, where it was built.
std::vector<fs::path> FullProgramCandidates() {
  std::vector<fs::path> paths;
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) paths.push_back(program.parent_path().parent_path() / MIREL_BATCH_QT_INSTALLED);
  paths.emplace_back(MIREL_BATCH_QT_BUILT);
  return paths;
}

int RunFullProgram(char* argv[]) {
  std::string whyNot = "it is not installed";
  for (const fs::path& path : FullProgramCandidates()) {
    std::error_code ec;
    if (!fs::exists(path, ec)) continue;
    ::execv(path.c_str(), argv);
    whyNot = path.string() + ": " + std::strerror(errno);
  }
  std::cerr << "mirel-batch: cannot start mirel-batch-qt (" << whyNot << ")\n";
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<TCoreCommand> command = ParseCoreCommand(argc, argv)) {
    // A file size limit then fails a write with a message instead of killing.
    mirel::IgnoreFileSizeSignal();
    return command->Resave ? mirel::ResaveDataFile(command->File, command->Output)
                           : mirel::LogDataFile(command->File);
  }
  return RunFullProgram(argv);
}
