#include "report/screen_print.h"

#include <QWidget>

namespace orvant::report {
namespace {

constexpr double kTitleSize = 12;
constexpr double kTitleHeight = 2 * kTitleSize;

// The image scaled to fit `area`, centred in it.
QRectF fitted(QSizeF image, const QRectF& area)
{
    const QSizeF size = image.scaled(area.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(), size);
    rect.moveCenter(area.center());
    return rect;
}

}  // namespace

ReportDocument documentFromImage(const QImage& image, const QString& title, const PageSetup& page)
{
    ReportDocument document;
    document.title = title;
    ReportPage& sheet = document.pages.emplace_back(page);
    QRectF area = page.contentRect();

    if (!title.isEmpty()) {
        const QRectF titleRect(area.topLeft(), QSizeF(area.width(), kTitleHeight));
        const FontSpec font{.pointSize = kTitleSize, .bold = true};
        sheet.bands.push_back(Band{BandKind::Title, titleRect, {TextItem{titleRect, title, font, HAlign::Center}}});
        area.setTop(titleRect.bottom());
    }
    if (!image.isNull()) {
        sheet.bands.push_back(Band{BandKind::Detail, area, {ImageItem{fitted(image.size(), area), image}}});
    }
    return document;
}

ReportDocument documentFromWidget(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    const Orientation orientation = image.width() > image.height() ? Orientation::Landscape : Orientation::Portrait;
    return documentFromImage(image, widget->window()->windowTitle(), PageSetup::letter(orientation));
}

}  // namespace orvant::report
