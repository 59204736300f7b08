#include "app/shell/access_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace hrs::app {

namespace {

// The letter after a single '&' ("&&" is a plain ampersand).
QChar MarkedLetter(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toUpper();
  }
  return {};
}

QString Unmarked(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&&"));
  return text;
}

const char* const CaptionProperty = "accessCaption";

}  // namespace

QList<QChar> AccessKeysOf(const QWidget* window, bool visibleOnly) {
  QList<QChar> keys;
  const auto add = [&](const QWidget* control, const QString& text) {
    if (visibleOnly && !control->isVisibleTo(window)) return;
    if (const QChar c = MarkedLetter(text); !c.isNull()) keys.append(c);
  };
  for (const auto* button : window->findChildren<QAbstractButton*>()) add(button, button->text());
  for (const auto* box : window->findChildren<QGroupBox*>()) add(box, box->title());
  for (const auto* label : window->findChildren<QLabel*>())
    if (label->buddy() && label->textFormat() != Qt::RichText) add(label, label->text());
  for (const auto* bar : window->findChildren<QMenuBar*>())
    for (const QAction* action : bar->actions()) add(bar, action->text());
  return keys;
}

QList<QChar> AccessKeyClashes(const QWidget* window) {
  QList<QChar> clashes;
  const QList<QChar> keys = AccessKeysOf(window, true);
  for (qsizetype i = 0; i < keys.size(); ++i)
    if (keys.indexOf(keys[i]) != i && !clashes.contains(keys[i])) clashes.append(keys[i]);
  return clashes;
}

MenuAccessKeys::MenuAccessKeys(QMenuBar* bar, QMdiArea* area) : QObject(bar), bar_(bar), area_(area) {
  QObject::connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) { Apply(sub); });
}

void MenuAccessKeys::Update() { Apply(area_->activeSubWindow()); }

void MenuAccessKeys::Apply(QMdiSubWindow* active) {
  const QList<QChar> taken = active && active->widget() ? AccessKeysOf(active->widget()) : QList<QChar>{};
  for (QAction* title : bar_->actions()) {
    if (!title->property(CaptionProperty).isValid()) title->setProperty(CaptionProperty, title->text());
    const QString caption = title->property(CaptionProperty).toString();
    const QString shown = taken.contains(MarkedLetter(caption)) ? Unmarked(caption) : caption;
    if (title->text() != shown) title->setText(shown);
  }
}

}  // namespace hrs::app
