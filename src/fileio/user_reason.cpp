#include "fileio/user_reason.h"

#include <cerrno>

#include "fileio/system_reason.h"
#include "fileio/user_words.h"

namespace mirel {

std::string UserReason(int error, TFileUse use) {
  for (const msg::TReasonWords& words : msg::kReasons) {
    if (words.Error == error) return std::string(use == TFileUse::Reading ? words.Reading : words.Writing);
  }
  return std::string(msg::kUnknownReason);
}

TResult<> FileFailure(std::string_view step, const std::filesystem::path& path, int error, TFileUse use,
                      std::string words) {
  TResult<> failure;
  failure.Ok = false;
  failure.Message = words.empty() ? SystemReason(error) : std::move(words);
  failure.Detail = std::string(step) + " " + path.string() + ": " + failure.Message;
  failure.Reason = UserReason(error, use);
  failure.Error = error;
  return failure;
}

}  // namespace mirel
