#include "report/report_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>

namespace orvant::report {
namespace {

constexpr double kSmallestShrunkFont = 4;  // points; below this the text is clipped instead
constexpr double kShrinkStep = 0.98;
constexpr double kInchesPerMetre = 1 / 0.0254;

Qt::Alignment alignmentOf(HAlign align)
{
    switch (align) {
    case HAlign::Left: return Qt::AlignLeft;
    case HAlign::Center: return Qt::AlignHCenter;
    case HAlign::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

// An item's text always stands on one line.
QString singleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

class PagePainter {
public:
    explicit PagePainter(QPainter& painter)
        : painter_(painter),
          scaleX_(painter.device()->logicalDpiX() / kPointsPerInch),
          scaleY_(painter.device()->logicalDpiY() / kPointsPerInch)
    {
    }

    void draw(const ReportItem& item)
    {
        std::visit([this](const auto& each) { drawItem(each); }, item);
    }

private:
    QPointF toDevice(QPointF point) const { return {point.x() * scaleX_, point.y() * scaleY_}; }
    QRectF toDevice(const QRectF& rect) const { return {toDevice(rect.topLeft()), toDevice(rect.bottomRight())}; }
    double toDevice(double length) const { return length * scaleY_; }

    void drawItem(const TextItem& item)
    {
        const QRectF rect = toDevice(item.rect);
        QString text = singleLine(item.text);
        painter_.setFont(item.font.toFont());
        if (item.overflow == Overflow::Shrink) shrinkToFit(text, rect.width());
        if (item.overflow == Overflow::Elide) {
            text = QFontMetricsF(painter_.font(), painter_.device()).elidedText(text, Qt::ElideRight, rect.width());
        }
        // Without Qt::TextDontClip, whatever still overflows is cut at the box and never spills
        // into the next column.
        painter_.drawText(rect, alignmentOf(item.align) | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

    // Text does not narrow exactly with its size (hinting), hence a few tries, each a little
    // smaller than the ratio asks.
    void shrinkToFit(const QString& text, double width)
    {
        QFont font = painter_.font();
        double advance = QFontMetricsF(font, painter_.device()).horizontalAdvance(text);
        while (advance > width && font.pointSizeF() > kSmallestShrunkFont) {
            font.setPointSizeF(std::max(kSmallestShrunkFont, font.pointSizeF() * width / advance * kShrinkStep));
            advance = QFontMetricsF(font, painter_.device()).horizontalAdvance(text);
        }
        painter_.setFont(font);
    }

    void drawItem(const LineItem& item)
    {
        painter_.setPen(pen(item.width));
        painter_.drawLine(QLineF(toDevice(item.line.p1()), toDevice(item.line.p2())));
    }

    void drawItem(const BoxItem& item)
    {
        painter_.setPen(item.lineWidth > 0 ? pen(item.lineWidth) : QPen(Qt::NoPen));
        painter_.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
        painter_.drawRect(toDevice(item.rect));
        painter_.setBrush(Qt::NoBrush);
    }

    void drawItem(const ImageItem& item)
    {
        painter_.drawImage(toDevice(item.rect), item.image);
    }

    QPen pen(double width) const
    {
        QPen pen(Qt::black, toDevice(width));
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }

    QPainter& painter_;
    double scaleX_;
    double scaleY_;
};

}  // namespace

void renderPage(const ReportPage& page, QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::black);
    PagePainter pagePainter(painter);
    for (const Band& band : page.bands) {
        for (const ReportItem& item : band.items) pagePainter.draw(item);
    }
    painter.restore();
}

QImage renderPageImage(const ReportPage& page, int dotsPerInch)
{
    const QSizeF size = page.setup.size() * (dotsPerInch / kPointsPerInch);
    QImage image(size.toSize(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerInch * kInchesPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(page, painter);
    return image;
}

}  // namespace orvant::report
