#pragma once
// Every text the user is told, exactly as it is shown: the answers,
// questions and failures of the commands, and the reasons under them. One
// table, so that the wording stays alike and is changed in one place.
#include <cerrno>
#include <string_view>

namespace mirel::msg {

// Modes and playback
inline constexpr std::string_view kNothingToPlay = "さいせいする絵がありません";
inline constexpr std::string_view kResumeHere = "ここからえがきなおしますか？";
// Palette hints
inline constexpr std::string_view kColorChosen = "色がえらばれています";
inline constexpr std::string_view kNoFillChosen = "「ぬりつぶしなし」がえらばれています";
// Drawing
inline constexpr std::string_view kNothingToGather = "選択できる図形がありません";
inline constexpr std::string_view kTextNotWritable =
    "つかえない もじが はいっています。べつの もじに してください：";
// Editing panel
inline constexpr std::string_view kStampUnchangeable = "スタンプは変更できません";
inline constexpr std::string_view kLineNoFill = "線はぬりつぶしなしにできません";
inline constexpr std::string_view kTextNoFill = "文字はぬりつぶしなしにできません";
inline constexpr std::string_view kNoThicker = "これより線を太くできません";
inline constexpr std::string_view kNoThinner = "これより線を細くできません";
inline constexpr std::string_view kNoFurtherFront = "これより前にいくことができません。";
inline constexpr std::string_view kNoFurtherBack = "これより後ろにいくことができません。";
// Crash recovery
inline constexpr std::string_view kRecoverDrawing = "まえに かいていた えが のこっています。もどしますか？";
inline constexpr std::string_view kRecoverName = "え： ";
inline constexpr std::string_view kRecoverWhen = "さいごに かいた とき： ";
inline constexpr std::string_view kUnnamedDrawing = "なまえのない え";
// printf form: how many drawings are left, and which one is asked about.
inline constexpr const char* kRecoverWhichOf = "（のこっている え %zuまいの うち %zuまいめ）";
inline constexpr std::string_view kKeepFailed = "いまの えを のこせませんでした。それでも よみこみますか？";
inline constexpr std::string_view kNoJournal = "かいている えを まもる きろくが つくれません。こまめに ほぞんしてください";
inline constexpr std::string_view kJournalFailed =
    "かいている えを まもる きろくが かけなくなりました（ディスクが いっぱい かもしれません）。えを ほぞんしてください";
// Files
inline constexpr std::string_view kWrongFileKind = "ファイルけいしきがちがいます";
inline constexpr std::string_view kNoReadWhilePlaying = "さいせい中はファイルをよみこめません";
inline constexpr std::string_view kReallyRead = "本当にデータをよみこみますか？";
inline constexpr std::string_view kOverwriteFailed = "データ書き出しに失敗しました";
inline constexpr std::string_view kOverwritten = "うわがきほぞんしました";
inline constexpr std::string_view kSaveAsFailed = "データ保存に失敗しました";
inline constexpr std::string_view kOverwriteExisting = "すでにあるファイルにうわがきしますか";
inline constexpr std::string_view kSaveCancelled = "ファイルほぞんをキャンセルしました";
inline constexpr std::string_view kSaveBeforeExit = "Mirelをおわる前にえをほぞんしますか？";
inline constexpr std::string_view kOverwriteBeforeExit = "Mirelをおわる前にえをうわがきほぞんしますか？";
inline constexpr std::string_view kPictureNotRecordable =
    "この ファイルの なまえは つかえません。べつの なまえに してください：";
inline constexpr std::string_view kPictureLoadFailed = "はいけいを よみこめませんでした：";
// Export
inline constexpr std::string_view kPictureWriteFailed = "えを かきだせませんでした：";
inline constexpr std::string_view kVideoWriteFailed = "どうがを かきだせませんでした：";

// Reading data files
inline constexpr std::string_view kBadFormatMessage = "データフォーマットが違います";
inline constexpr std::string_view kBadItemMessage = "ActionItem：読み込みエラー";
inline constexpr std::string_view kNotInteger = " は整数ではありません";  // after the quoted line
inline constexpr std::string_view kReadFailedMessage = "データ読み込みに失敗しました";
inline constexpr std::string_view kFileTooLargeMessage = "ファイルが おおきすぎて よみこめません";
inline constexpr std::string_view kLocateQuestionTail = "が見つかりません。場所を指定しますか？";
// Captions of the questions
inline constexpr std::string_view kCaptionKakunin = "かくにん";
inline constexpr std::string_view kCaptionConfirm = "確認";
// Pictures, videos and the gallery
inline constexpr std::string_view kFileNotWritten = "ファイルにかきだせませんでした: ";
inline constexpr std::string_view kVideoNotWritten = "どうがを かきだせませんでした";
inline constexpr std::string_view kGalleryNotWritten = "ギャラリーを かきだせませんでした";
inline constexpr std::string_view kDrawingsUnreadCount = "よみこめなかった え が ";  // then how many
inline constexpr std::string_view kDrawingsUnreadTail = " まい あります";
inline constexpr std::string_view kGalleryPartial = "ギャラリーを ぜんぶは つくれませんでした";
inline constexpr std::string_view kExportTitle = "かきだし";
inline constexpr std::string_view kExportStop = "やめる";
inline constexpr const char* kExportProgress = "かきだしています… %1 / %2";  // QString::arg form: done, total
inline constexpr std::string_view kNotPrinted = "いんさつ できませんでした";
inline constexpr std::string_view kDrawingNotMade = "つくれませんでした: ";
inline constexpr std::string_view kUnexpectedError = "エラーがおきました。\n";
// Why a background picture did not load
inline constexpr std::string_view kNotRegularFile = "ふつうのファイルではありません";
inline constexpr std::string_view kNotAPicture = "えのファイルではありません";
inline constexpr std::string_view kPictureKindUnsupported = "このしゅるいのえはよみこめません";
inline constexpr std::string_view kPictureTooLarge = "えがおおきすぎてよみこめません";
inline constexpr std::string_view kFileUnreadable = "ファイルをよめません";
inline constexpr std::string_view kPictureDamaged = "えのデータがこわれています";

// Why a file could not be read or written, by the system's errno value.
struct TReasonWords {
  int Error;
  std::string_view Reading;
  std::string_view Writing;
};
inline constexpr TReasonWords kReasons[] = {
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

inline constexpr std::string_view kUnknownReason = "コンピュータが ファイルを つかわせて くれませんでした";

}  // namespace mirel::msg
