// What the cards say about a drawing and how they are kept: the facts read
// from a history, the words for the time spent, the strip's steps, the safe
// folder names and the card file.
#include <gtest/gtest.h>

#include <random>

#include "gallery/drawing_build.h"
#include "gallery/gallery_card.h"

namespace mirel {
namespace {

TActionTime At(int day, int hour, int minute, int second) {
  TActionTime time;
  time.Year = 2026;
  time.Month = 3;
  time.Day = static_cast<std::int8_t>(day);
  time.Hour = static_cast<std::uint8_t>(hour);
  time.Minute = static_cast<std::uint8_t>(minute);
  time.Second = static_cast<std::uint8_t>(second);
  return time;
}

void Add(THistoryList& history, TActionKind kind, TActionTime time) {
  TActionItem* item = history.AddAction(TFigData{});
  item->Data.TargetType = kind;
  item->Data.ActionTime = time;
}

TEST(DrawingFacts, GapsAddUpWithLongPausesCappedAndTheClockSetBackCountingNothing) {
  struct TCase {
    const char* Name;
    std::vector<std::pair<TActionKind, TActionTime>> Steps;
    std::int64_t Seconds;
    std::int32_t Branches;
    std::string Date;
  };
  const TActionTime none{};
  const std::vector<TCase> cases = {
      {"empty", {}, 0, 0, ""},
      {"one step", {{TActionKind::Create, At(1, 9, 0, 0)}}, 0, 0, "2026-03-01"},
      {"short gaps", {{TActionKind::Create, At(1, 9, 0, 0)}, {TActionKind::Move, At(1, 9, 0, 30)},
                      {TActionKind::Create, At(1, 9, 2, 0)}}, 120, 0, "2026-03-01"},
      {"a long pause counts five minutes", {{TActionKind::Create, At(1, 9, 0, 0)},
                                            {TActionKind::Create, At(1, 11, 0, 0)},
                                            {TActionKind::Create, At(1, 11, 0, 10)}}, 310, 0, "2026-03-01"},
      {"over midnight and days", {{TActionKind::Create, At(1, 23, 59, 50)}, {TActionKind::Create, At(2, 0, 0, 5)},
                                  {TActionKind::Branch, At(9, 8, 0, 0)}}, 15 + 300, 1, "2026-03-09"},
      {"the clock set back", {{TActionKind::Create, At(1, 9, 10, 0)}, {TActionKind::Create, At(1, 9, 0, 0)},
                              {TActionKind::Create, At(1, 9, 0, 20)}}, 20, 0, "2026-03-01"},
      {"undated steps are passed over", {{TActionKind::Create, At(1, 9, 0, 0)}, {TActionKind::Branch, none},
                                         {TActionKind::Branch, At(1, 9, 1, 0)}}, 60, 2, "2026-03-01"},
  };
  for (const TCase& c : cases) {
    THistoryList history;
    for (const auto& [kind, time] : c.Steps) Add(history, kind, time);
    const TDrawingFacts facts = DrawingFactsOf(history);
    EXPECT_EQ(facts.Steps, static_cast<std::int32_t>(c.Steps.size())) << c.Name;
    EXPECT_EQ(facts.SecondsDrawing, c.Seconds) << c.Name;
    EXPECT_EQ(facts.Branches, c.Branches) << c.Name;
    EXPECT_EQ(facts.Date, c.Date) << c.Name;
  }
}

TEST(DrawingFacts, TheTimeSpentInWords) {
  const std::vector<std::pair<std::int64_t, std::string>> cases = {
      {0, "0びょう"}, {59, "59びょう"}, {60, "1ふん 0びょう"}, {754, "12ふん 34びょう"},
      {3600, "1じかん 0ふん"}, {3 * 3600 + 7 * 60 + 5, "3じかん 7ふん"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(SpentText(seconds), text) << seconds;
}

TEST(StripSteps, EvenlyAlongTheWayEachOnceNeitherStartNorEnd) {
  EXPECT_EQ(StripSteps(0), std::vector<int>{});
  EXPECT_EQ(StripSteps(1), std::vector<int>{});
  EXPECT_EQ(StripSteps(2), std::vector<int>{1});
  EXPECT_EQ(StripSteps(10), (std::vector<int>{2, 4, 6, 8}));
  std::mt19937 random(7);
  for (int i = 0; i < 200; ++i) {
    const int steps = std::uniform_int_distribution(0, 100000)(random);
    const std::vector<int> strip = StripSteps(steps);
    EXPECT_LE(strip.size(), static_cast<std::size_t>(kStripPictures));
    if (steps > kStripPictures) {
      EXPECT_EQ(strip.size(), static_cast<std::size_t>(kStripPictures));
    }
    for (std::size_t k = 0; k < strip.size(); ++k) {
      EXPECT_GT(strip[k], k == 0 ? 0 : strip[k - 1]);
      EXPECT_LT(strip[k], steps);
    }
  }
}

TEST(SiteFolderName, KeepsTheNameButNothingThatAFileSystemOrAUrlMisreads) {
  const std::vector<std::pair<QString, QString>> cases = {
      {"hana", "hana"},
      {QString::fromUtf8("はなこ の え"), QString::fromUtf8("はなこ の え")},
      {"<script>", "_script_"},
      {"a&b #1", "a_b _1"},
      {"50% done?", "50_ done_"},
      {"..", "_.."},
      {".hidden", "_.hidden"},
      {"", "_"},
      {"a/b\\c:d", "a_b_c_d"},
      {QString("tab\there"), "tab_here"},
  };
  for (const auto& [name, folder] : cases) EXPECT_EQ(SiteFolderName(name), folder) << name.toStdString();
}

TEST(GalleryCard, SurvivesItsFileAndRefusesFoldersOutsideTheSite) {
  TGalleryCard card;
  card.Name = QString::fromUtf8("<はな> & \"そら\"");
  card.Folder = SiteFolderName(card.Name);
  card.Hash = "ab12";
  card.Facts = {120, 3, 754, "2026-03-01"};
  card.StripSteps = {24, 48, 72, 96};
  card.VideoSeconds = 14.9;
  const std::optional<TGalleryCard> back = CardFromJson(CardJson(card));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Name, card.Name);
  EXPECT_EQ(back->Folder, card.Folder);
  EXPECT_EQ(back->Hash, card.Hash);
  EXPECT_TRUE(back->Ok());
  EXPECT_EQ(back->Facts.Steps, 120);
  EXPECT_EQ(back->Facts.Branches, 3);
  EXPECT_EQ(back->Facts.SecondsDrawing, 754);
  EXPECT_EQ(back->Facts.Date, "2026-03-01");
  EXPECT_EQ(back->StripSteps, card.StripSteps);
  EXPECT_DOUBLE_EQ(back->VideoSeconds, 14.9);

  card.Failure = "データフォーマットが違います";
  EXPECT_EQ(CardFromJson(CardJson(card))->Failure, card.Failure);
  for (const char* folder : {"../elsewhere", "", "a/b", ".."}) {
    card.Folder = folder;
    EXPECT_FALSE(CardFromJson(CardJson(card))) << folder;
  }
  EXPECT_FALSE(CardFromJson("not json"));
}

}  // namespace
}  // namespace mirel
