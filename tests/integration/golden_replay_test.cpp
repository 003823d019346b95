// A drawing saved before is read, watched step by step and saved again: the
// replay changes nothing that a save writes, so the bytes stay the same.
#include <gtest/gtest.h>

#include <filesystem>

#include "datafile/data_reader.h"
#include "datafile/line_reader.h"
#include "datafile/reader_prompts.h"
#include "integration/history_checks.h"
#include "replay/replay_engine.h"
#include "support/file_helpers.h"

namespace mirel::test {
namespace {

TEST(GoldenReplay, ReadReplayedAndSavedGivesTheSameBytes) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(MIREL_TEST_DATA)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("good_") && !name.starts_with("old_")) continue;
    SCOPED_TRACE(name);
    ++files;
    const std::string bytes = ReadAll(entry.path());
    TLineReader lines(bytes);
    THistoryList history;
    TInternalLog log;
    TNonInteractivePrompts prompts;
    ASSERT_TRUE(ReadDataFile(lines, history, log, prompts).Ok);
    const std::string beforeReplay = WriteToString(history);
    // Files of the current version come back as they were; older ones are
    // written in the current version.
    if (name.starts_with("good_")) {
      EXPECT_EQ(beforeReplay, bytes);
    }

    TFigList figures, deleted;
    TReplayEngine replay(history, figures, deleted);
    const std::int32_t last = history.GetStepCount();
    for (std::int32_t step = 0; step <= last; ++step) replay.RebuildStep(step);
    replay.RebuildStep(last / 2);
    replay.RebuildStep(last);
    EXPECT_EQ(WriteToString(history), beforeReplay);
  }
  EXPECT_GE(files, 8);
}

}  // namespace
}  // namespace mirel::test
