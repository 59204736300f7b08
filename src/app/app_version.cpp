#include <QString>

#include "core/data/database.h"

namespace hrs::app {
// The product title as Qt text, for window captions.
QString ProductTitleText() { return QString::fromLatin1(ProductTitle); }
}  // namespace hrs::app
