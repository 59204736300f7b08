#pragma once
#include <functional>

class QPainter;
class QRectF;

namespace hrs::app {

// A printer that can put a picture on the page as well as lines; the Qt
// printer can, a printer that only keeps lines cannot and is not one.
class PicturePrinter {
 public:
  virtual ~PicturePrinter() = default;
  // A picture drawn across the page below the lines printed so far, in a
  // box of at most `pageShare` of the page's height (less when the page has
  // less room left); draw returns the height it took, and the next line goes
  // under that.
  virtual void DrawPicture(const std::function<double(QPainter&, const QRectF&)>& draw, double pageShare) = 0;
};

}  // namespace hrs::app
