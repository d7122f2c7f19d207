#include "inquiryscreen/aging_bars.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvant::masters {

AgingBars::AgingBars(QWidget* parent) : QWidget(parent) { setMinimumHeight(180); }

void AgingBars::setValues(const std::array<double, aging::kBuckets>& values)
{
    values_ = values;
    update();
}

void AgingBars::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect plot = rect().adjusted(12, 8, -12, -8);
    double high = 0, low = 0;
    for (double v : values_) high = std::max(high, v), low = std::min(low, v);
    const double span = high - low;
    if (span <= 0 || plot.height() <= 0) return;
    // The base line sits where zero falls between the lowest and highest bucket.
    const int base = plot.top() + static_cast<int>(std::lround(plot.height() * high / span));
    painter.drawLine(plot.left(), base, plot.right(), base);
    const int slot = plot.width() / aging::kBuckets;
    for (int b = 0; b < aging::kBuckets; ++b) {
        const int length = static_cast<int>(std::lround(plot.height() * values_[static_cast<std::size_t>(b)] / span));
        const QRect bar(plot.left() + b * slot + slot / 5, length >= 0 ? base - length : base, slot * 3 / 5, std::abs(length));
        painter.fillRect(bar, palette().color(QPalette::Highlight));
    }
}

}  // namespace orvant::masters
