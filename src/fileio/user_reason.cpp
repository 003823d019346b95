#include "fileio/user_reason.h"

#include <cerrno>

#include "fileio/system_reason.h"

namespace mirel {
namespace {

struct TReasonWords {
  int Error;
  const char* Reading;
  const char* Writing;
};

constexpr TReasonWords kReasons[] = {
    {ENOSPC, "ディスクが いっぱいです", "ディスクが いっぱいです"},
    {EDQUOT, "つかえる ディスクの ばしょが いっぱいです", "つかえる ディスクの ばしょが いっぱいです"},
    {EFBIG, "ファイルが おおきすぎます", "ファイルが おおきすぎます"},
    {EACCES, "よむ けんりが ありません", "かきこむ けんりが ありません"},
    {EPERM, "よむ けんりが ありません", "かきこむ けんりが ありません"},
    {EROFS, "かきこめない ディスクです", "かきこめない ディスクです"},
    {ENOENT, "ファイルが みつかりません", "ほぞんする フォルダが みつかりません"},
    {ENOTDIR, "ファイルが みつかりません", "ほぞんする フォルダが みつかりません"},
    {EISDIR, "ファイルでは なく フォルダです", "おなじ なまえの フォルダが あります"},
    {ENAMETOOLONG, "ファイルの なまえが ながすぎます", "ファイルの なまえが ながすぎます"},
    {EIO, "ディスクが こわれて いるかもしれません", "ディスクが こわれて いるかもしれません"},
    {ENXIO, "ディスクが はずされました", "ディスクが はずされました"},
    {ENODEV, "ディスクが はずされました", "ディスクが はずされました"},
    {EMFILE, "ファイルを ひらきすぎています。ミレルを おわって やりなおしてください",
     "ファイルを ひらきすぎています。ミレルを おわって やりなおしてください"},
    {ENOMEM, "メモリが たりません", "メモリが たりません"},
};

constexpr const char* kUnknownReason = "コンピュータが ファイルを つかわせて くれませんでした";

}  // namespace

std::string UserReason(int error, TFileUse use) {
  for (const TReasonWords& words : kReasons) {
    if (words.Error == error) return use == TFileUse::Reading ? words.Reading : words.Writing;
  }
  return kUnknownReason;
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
