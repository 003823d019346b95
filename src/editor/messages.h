#pragma once
// The editor's texts for the user, exactly as the window shows them.
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
inline constexpr std::string_view kReadFailed = "データ読み込みに失敗しました";
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

}  // namespace mirel::msg
