#pragma once
// Writes one JSON object to a stream member by member, laid out exactly as
// QJsonDocument::Indented lays out the whole object, so that an array of
// any length is written as its elements are produced instead of being held
// in memory. Each piece (a member, an element) is laid out by QJsonDocument
// itself and moved to its depth.
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <ostream>
#include <string>

namespace mirel {

class TIndentedJsonStream {
 public:
  // Starts the object.
  explicit TIndentedJsonStream(std::ostream& out);

  // Members come in the order QJsonObject keeps them: by key.
  void Member(const QString& key, const QJsonValue& value);
  // A member whose value is an array of objects, given one by one.
  void BeginArray(const QString& key);
  void Element(const QJsonObject& element);
  void EndArray();
  // Ends the object (and the document's last line).
  void End();

 private:
  void NextMember();

  std::ostream& out_;
  std::string piece_;  // reused for each element
  bool firstMember_ = true;
  bool firstElement_ = true;
};

}  // namespace mirel
