#pragma once
// The pictures of the tool and editing buttons, drawn for this program as
// SVG files built into the binary (icons/<name>.svg).
#include <QIcon>
#include <QSize>

class QString;

namespace mirel {

// The picture `name` rendered sharply at `size` (and twice that for dense
// screens); a null icon when there is no such picture.
QIcon ButtonIcon(const QString& name, QSize size);

}  // namespace mirel
