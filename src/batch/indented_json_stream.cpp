#include "batch/indented_json_stream.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <string_view>

namespace mirel {
namespace {

// The object's own members sit one level in, an array's elements two.
constexpr std::string_view kMemberIndent = "    ";
constexpr std::string_view kElementIndent = "        ";

// `key` and `value` as a member line of an indented object, without the
// object's braces: "    \"key\": value".
QByteArray MemberText(const QString& key, const QJsonValue& value) {
  QByteArray text = QJsonDocument(QJsonObject{{key, value}}).toJson(QJsonDocument::Indented);
  // "{\n" before, "\n}\n" after.
  return text.mid(2, text.size() - 5);
}

std::string_view View(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

TIndentedJsonStream::TIndentedJsonStream(std::ostream& out) : out_(out) { out_ << '{'; }

void TIndentedJsonStream::Member(const QString& key, const QJsonValue& value) {
  NextMember();
  out_ << View(MemberText(key, value));
}

void TIndentedJsonStream::BeginArray(const QString& key) {
  NextMember();
  // The member of an empty array ends "[\n    ]": keep up to the bracket.
  const QByteArray text = MemberText(key, QJsonArray{});
  out_ << View(text.left(text.indexOf('[') + 1));
  firstElement_ = true;
}

void TIndentedJsonStream::Element(const QJsonObject& element) {
  const QByteArray text = QJsonDocument(element).toJson(QJsonDocument::Indented);
  piece_.assign(firstElement_ ? "\n" : ",\n");
  firstElement_ = false;
  // Every line one array deeper; the document's final line end is the
  // array's to write.
  std::string_view rest = View(text);
  if (rest.ends_with('\n')) rest.remove_suffix(1);
  for (;;) {
    const std::size_t end = rest.find('\n');
    piece_ += kElementIndent;
    piece_ += rest.substr(0, end);
    if (end == std::string_view::npos) break;
    piece_ += '\n';
    rest.remove_prefix(end + 1);
  }
  out_ << piece_;
}

void TIndentedJsonStream::EndArray() { out_ << '\n' << kMemberIndent << ']'; }

void TIndentedJsonStream::End() { out_ << "\n}\n"; }

void TIndentedJsonStream::NextMember() {
  out_ << (firstMember_ ? "\n" : ",\n");
  firstMember_ = false;
}

}  // namespace mirel
