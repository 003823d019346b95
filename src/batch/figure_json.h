#pragma once
// Figures as JSON for `mirel-batch dump`: colours as the data file writes
// them, text in UTF-8.
#include <QJsonArray>
#include <QJsonObject>

#include "batch/indented_json_stream.h"
#include "model/fig_data.h"

namespace mirel {

QJsonObject FigureToJson(const TFigData& figure);
// The figures of a list, back to front.
QJsonArray FigureListToJson(const TFigList& list);
// The same as the member `key` of `json`, written figure by figure.
void StreamFigureList(TIndentedJsonStream& json, const QString& key, const TFigList& list);
// A code page 932 string as UTF-8 text; bytes that do not decode become '?'.
QString Cp932ToQString(const std::string& cp932);

}  // namespace mirel
