#pragma once
// Why a file could not be read or written, in words a child or a teacher
// can act on. Every such reason the user is shown comes from this one table.
#include <string>

namespace mirel {

enum class TFileUse { Reading, Writing };

// The reason for errno value `error` while the file was being used as
// `use`; a general one for values without words of their own (0 too).
std::string UserReason(int error, TFileUse use);

}  // namespace mirel
