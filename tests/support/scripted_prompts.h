#pragma once
// Reader prompts that answer from a script and remember what was asked.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "datafile/reader_prompts.h"

namespace mirel::test {

class TScriptedPrompts final : public IReaderPrompts {
 public:
  struct TLocate {
    std::string FileName;
    int FilterIndex;
  };

  std::deque<bool> Answers;                         // for AskYesNo; No when empty
  std::deque<std::optional<std::string>> Choices;  // for LocatePicture; cancel when empty
  std::string Folder;                               // PictureDialogFolder

  std::vector<std::string> Captions;
  std::vector<std::string> Questions;
  std::vector<TLocate> Locates;

  bool AskYesNo(std::string_view caption, std::string_view question) override {
    Captions.emplace_back(caption);
    Questions.emplace_back(question);
    if (Answers.empty()) return false;
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::optional<std::string> LocatePicture(std::string_view fileName, int filterIndex) override {
    Locates.push_back({std::string(fileName), filterIndex});
    if (Choices.empty()) return std::nullopt;
    auto choice = Choices.front();
    Choices.pop_front();
    return choice;
  }
  std::string PictureDialogFolder() const override { return Folder; }
};

}  // namespace mirel::test
