#pragma once
#include <QFrame>
#include <QStringList>

namespace hrs::app {

// A picture area that text lines are printed into, one under the other,
// as the status, splash and report windows use it.
class PictureBox : public QFrame {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Where the lines start inside the frame.
  static constexpr int TextMargin = 4;

  void Cls();
  void Print(const QString& line);
  const QStringList& Lines() const { return lines_; }
  // The size that shows the given number of lines of the given width.
  QSize SizeForText(int columns, int rows) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
};

}  // namespace hrs::app
