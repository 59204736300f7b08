#include "app/lists/rating_chart_window.h"

#include <QChart>
#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "app/platform/form_binding.h"
#include "app/platform/picture_printer.h"
#include "app/platform/qt_text.h"
#include "app/shell/app_context.h"

namespace hrs::app {

namespace {

QLineSeries* LimitLine(const QString& name, int limit, const ChartAxes& axes, const QColor& colour) {
  auto* line = new QLineSeries;
  line->setName(name);
  line->setObjectName(name);
  line->append(axes.monthFrom, limit);
  line->append(axes.monthTo, limit);
  QPen pen(colour);
  pen.setStyle(Qt::DashLine);
  pen.setWidth(2);
  line->setPen(pen);
  return line;
}

QChart* BuildChart(const RatingChart& chart) {
  auto* c = new QChart;
  c->setTitle(ToQt(chart.title));
  c->setAnimationOptions(QChart::NoAnimation);
  auto* ratings = new QLineSeries;
  ratings->setName(QStringLiteral("Rating"));
  ratings->setObjectName(QStringLiteral("Rating"));
  ratings->setPointsVisible(true);
  QPen pen(QColor(0x1f, 0x4e, 0x8c));
  pen.setWidth(3);
  ratings->setPen(pen);
  const ChartAxes axes = ChartAxesOf(chart);
  for (const ChartPoint& point : chart.points) ratings->append(point.month, point.rating);
  if (axes.group1Shown)
    c->addSeries(LimitLine(QStringLiteral("Rating Group 1 Limit"), chart.group1Limit, axes, QColor(0x2e, 0x8b, 0x57)));
  if (axes.group2Shown)
    c->addSeries(LimitLine(QStringLiteral("Rating Group 2 Limit"), chart.group2Limit, axes, QColor(0xc0, 0x39, 0x2b)));
  c->addSeries(ratings);

  auto* months = new QCategoryAxis;
  months->setObjectName(QStringLiteral("MonthAxis"));
  months->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const int lastShown = std::max(chart.lastMonth, 1);
  for (int m = 0; m <= lastShown; ++m) months->append(ToQt(ChartMonthLabel(m)), m);
  months->setRange(axes.monthFrom, axes.monthTo);
  auto* values = new QValueAxis;
  values->setObjectName(QStringLiteral("RatingAxis"));
  values->setRange(axes.ratingLow, axes.ratingHigh);
  values->setTickCount((axes.ratingHigh - axes.ratingLow) / axes.ratingStep + 1);
  values->setLabelFormat(QStringLiteral("%d"));
  values->setTitleText(QStringLiteral("Rating"));
  c->addAxis(months, Qt::AlignBottom);
  c->addAxis(values, Qt::AlignLeft);
  for (QAbstractSeries* s : c->series()) {
    s->attachAxis(months);
    s->attachAxis(values);
  }
  c->legend()->setAlignment(Qt::AlignBottom);
  return c;
}

}  // namespace

RatingChartWindow::RatingChartWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
  setObjectName("dbChart");
  view_ = new QChartView(this);
  view_->setObjectName("Chart1");
  view_->setRenderHint(QPainter::Antialiasing);
  copy_ = new QPushButton(QStringLiteral("Copy to ClipBoard"), this);
  copy_->setObjectName("cmdCopy");
  print_ = new QPushButton(QStringLiteral("Print"), this);
  print_->setObjectName("cmdPrint");
  close_ = new QPushButton(QStringLiteral("Close"), this);
  close_->setObjectName("cmdClose");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy_);
  buttons->addWidget(print_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  connect(copy_, &QPushButton::clicked, this, &RatingChartWindow::CopyClicked);
  connect(print_, &QPushButton::clicked, this, &RatingChartWindow::PrintClicked);
  connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
}

QSize RatingChartWindow::sizeHint() const { return {640, 440}; }

void RatingChartWindow::Show(const RatingChart& chart) {
  chart_ = chart;
  setWindowTitle(ToQt(chart.caption));
  QChart* old = view_->chart();
  view_->setChart(BuildChart(chart));
  delete old;
}

void RatingChartWindow::CopyClicked() { QGuiApplication::clipboard()->setText(ToQt(ChartClipboardText(chart_))); }

void RatingChartWindow::PrintClicked() {
  PicturePrinter* job = ctx_.pictures;
  PrintRatingChart(chart_, ctx_.db.setup.ListName.str(), ctx_.db.location, ctx_.dialogs, ctx_.printer, ctx_.clock, [&] {
    if (!job) return;
    job->DrawPicture(
        [&](QPainter& painter, const QRectF& box) -> double {
          // Drawn anew at the printer's resolution rather than as a screen grab.
          QGraphicsScene scene;
          QChart* chart = BuildChart(chart_);
          scene.addItem(chart);
          const QSizeF size(900, 560);
          chart->resize(size);
          if (chart->layout()) chart->layout()->activate();
          QCoreApplication::sendPostedEvents();
          const double scale = std::min(box.width() / size.width(), box.height() / size.height());
          const QRectF target(box.left(), box.top(), size.width() * scale, size.height() * scale);
          scene.render(&painter, target, QRectF(QPointF(0, 0), size));
          return target.height();
        },
        0.55);
  });
}

void ShowRatingChart(AppContext& ctx, int sysId) {
  const auto chart = PlayerRatingChart(ctx.db, sysId, ctx.clock);
  if (!chart) return;
  auto* window = qobject_cast<RatingChartWindow*>(ctx.FindChildWindow(QStringLiteral("dbChart")));
  if (window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
      if (frame->isMinimized()) frame->showNormal();
      frame->raise();
    }
  } else {
    window = new RatingChartWindow(ctx);
    ctx.OpenChild(window);
  }
  window->Show(*chart);
}

}  // namespace hrs::app
