#pragma once
// Histories for the data file tests and the golden files, and field-by-field
// comparison of what a data file carries.
#include <filesystem>
#include <string>

#include "history/history_list.h"
#include "support/figure_builders.h"
#include "support/file_helpers.h"

namespace mirel::test {

// The data file tests' look: what the drawing tools give new figures.
inline constexpr TLook kDrawnLook{4, clBlack, clWhite, clBlack};

TActionData& Record(THistoryList& history, TActionKind kind, std::int32_t id,
                    const TFigData& figure = {});

// Every kind, every parameter, every tool and colour writing, Japanese text
// and file names, negative coordinates.
void BuildEveryKind(THistoryList& history);
// A stamp holding a stamp holding a stamp holding a polygon, and changes of it.
void BuildNestedStamps(THistoryList& history);
// A free line of 2000 points and a Size change of it.
void BuildLongLines(THistoryList& history);

std::string WriteToString(const THistoryList& history);
std::filesystem::path DataPath(const std::string& name);

// Adds a test failure for every field the data file carries that differs.
void ExpectSameCarriedFields(const THistoryList& expected, const THistoryList& actual);

}  // namespace mirel::test
