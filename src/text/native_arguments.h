#pragma once
// Command-line arguments that keep every byte. File names need not be valid
// UTF-8, and a name decoded with replacement characters names another file,
// so bytes that are not UTF-8 travel inside the QString as the lone
// surrogates U+DC80..U+DCFF (the "surrogate escape" of other tools) and
// come back out exactly.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace mirel {

QString ArgumentFromBytes(std::string_view bytes);
std::string BytesFromArgument(const QString& argument);

QStringList ArgumentsKeepingBytes(int argc, const char* const argv[]);

}  // namespace mirel
