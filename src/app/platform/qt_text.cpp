#include "app/platform/qt_text.h"

#include "core/text/code_page.h"

namespace hrs::app {

QString ToQt(std::string_view text) {
  // Text of the core is UTF-8; the core's reading rule covers anything else.
  const std::string utf8 = TextFromFile(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQt(const QString& text) { return text.normalized(QString::NormalizationForm_C).toUtf8().toStdString(); }

QString MessageText(std::string_view text) {
  QString out = ToQt(text);
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

}  // namespace hrs::app
