#include "app/platform/fixed_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "app/platform/qt_text.h"

namespace hrs::app {

namespace {

bool IsCourierName(const std::string& family) { return family == "Courier" || family == "Courier New"; }

}  // namespace

QFont ListFont() { return QFont(QStringLiteral("Courier"), ListPointSize); }

QFont GridFont() { return QFont(QStringLiteral("Arial"), 8); }

QFont FixedFont(const std::string& family, int pointSize) {
  const int size = pointSize > 0 ? pointSize : ListPointSize;
  if (family.empty() || IsCourierName(family)) return QFont(QStringLiteral("Courier"), size);
  return QFont(ToQt(family), size);
}

QString ResolvedFamily(const std::string& family) { return QFontInfo(FixedFont(family)).family(); }

QFont FontDialogPreset(const std::string& family, int pointSize) {
  QFont font(ResolvedFamily(family), pointSize > 0 ? pointSize : ListPointSize);
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  // The dialog selects its style by name; without one it may open on the
  // family's first listed style (an oblique).
  const QStringList styles = QFontDatabase::styles(font.family());
  for (const QString& style : {QStringLiteral("Regular"), QStringLiteral("Book"), QStringLiteral("Normal"),
                               QStringLiteral("Roman"), QStringLiteral("Medium")}) {
    if (styles.contains(style)) {
      font.setStyleName(style);
      break;
    }
  }
  return font;
}

}  // namespace hrs::app
