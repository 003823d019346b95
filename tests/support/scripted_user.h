#pragma once
// A user who answers from a script (No, Cancel and a cancelled dialog when a
// queue is empty) and remembers every notice, question and dialog, UTF-8.
// It serves the reader, which only asks about pictures, and the editor.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor/user_prompts.h"

namespace mirel::test {

class TScriptedUser final : public IUserPrompts {
 public:
  struct TLocate {
    std::string FileName;
    int FilterIndex;
  };

  std::deque<bool> YesNo;
  std::deque<TAnswer> YesNoCancel;
  std::deque<std::optional<std::string>> Files;    // ChooseFile answers
  std::deque<std::optional<std::string>> Located;  // LocatePicture answers
  std::string Folder;                              // PictureDialogFolder

  std::vector<std::string> Notices;
  std::vector<std::string> Reasons;    // the reason line of each failure notice
  std::vector<std::string> Questions;  // "caption: question"
  std::vector<TFileDialog> Dialogs;
  std::vector<TLocate> Locates;
  std::string ListedFolder;

  void Notice(std::string_view message) override { Notices.emplace_back(message); }
  void NoticeFailure(std::string_view message, std::string_view reason) override {
    Notices.emplace_back(message);
    if (!reason.empty()) Reasons.emplace_back(reason);
  }
  void ListFolderInOpenDialogs(const std::string& folder) override { ListedFolder = folder; }
  bool AskYesNo(std::string_view caption, std::string_view question) override {
    Questions.push_back(std::string(caption) + ": " + std::string(question));
    return Take(YesNo, false);
  }
  TAnswer AskYesNoCancel(std::string_view caption, std::string_view question) override {
    Questions.push_back(std::string(caption) + ": " + std::string(question));
    return Take(YesNoCancel, TAnswer::Cancel);
  }
  std::optional<std::string> ChooseFile(TFileDialog dialog) override {
    Dialogs.push_back(dialog);
    return Take(Files, std::optional<std::string>());
  }
  std::optional<std::string> LocatePicture(std::string_view fileName, int filterIndex) override {
    Locates.push_back({std::string(fileName), filterIndex});
    return Take(Located, std::optional<std::string>());
  }
  std::string PictureDialogFolder() const override { return Folder; }

 private:
  template <class T>
  static T Take(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

}  // namespace mirel::test
