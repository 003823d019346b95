#pragma once
// The checks of the lasting-state property. Each returns an empty string
// when it holds, otherwise what differs.
#include <cstdint>
#include <string>

#include "history/history_list.h"
#include "integration/editor_session.h"

namespace mirel::test {

// The bytes a data file of `history` holds.
std::string WriteToString(const THistoryList& history);

// A copy of every record's fields into `to`, without the runtime links, so
// that a rebuild can run without touching the editor's own links.
void CopyHistory(const THistoryList& from, THistoryList& to);

// The editor's drawing, deleted figures and background equal a fresh rebuild
// of the last step, both from the history in memory and from the history
// written to a data file and read back (which must also write back
// byte-identical). A resize not yet recorded is left out for its figure.
std::string CheckLasting(const TEditorSession& editor);

// In watching mode: what the editor shows equals a fresh rebuild of `step`.
std::string CheckShownStep(const TEditorSession& editor, std::int32_t step);

}  // namespace mirel::test
