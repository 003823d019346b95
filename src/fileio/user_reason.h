#pragma once
// Why a file could not be read or written, in words a child or a teacher
// can act on, from the table in user_words.h.
#include <filesystem>
#include <string>
#include <string_view>

#include "model/result.h"

namespace mirel {

enum class TFileUse { Reading, Writing };

// The reason for errno value `error` while the file was being used as
// `use`; a general one for values without words of their own (0 too).
std::string UserReason(int error, TFileUse use);

// The failure of `step` on `path` with errno value `error`: the system's
// own words as Message, the reason above as Reason, and "step path: words"
// as Detail. `words` replaces the system's words where it has none.
TResult<> FileFailure(std::string_view step, const std::filesystem::path& path, int error, TFileUse use,
                      std::string words = {});

}  // namespace mirel
