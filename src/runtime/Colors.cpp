#include "runtime/Colors.h"

#include <QColor>

namespace rt {
QColor ToQColor(Color c) { return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF)); }
}  // namespace rt
