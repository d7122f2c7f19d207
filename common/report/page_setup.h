#pragma once
// The paper a report is laid out on. Every length of a report is in points (1/72 inch), from the
// top-left corner of the page; a renderer turns points into the device's own units.

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

namespace orvant::report {

constexpr double kPointsPerInch = 72.0;

constexpr double inches(double length) { return length * kPointsPerInch; }
constexpr double toInches(double points) { return points / kPointsPerInch; }

enum class Orientation { Portrait, Landscape };

class PageSetup {
public:
    // `paper` is given upright (width < height); the orientation turns it.
    PageSetup(QSizeF paper, Orientation orientation, QMarginsF margins);

    static PageSetup letter(Orientation orientation = Orientation::Portrait);  // 8.5 x 11 in
    static PageSetup legal(Orientation orientation = Orientation::Portrait);   // 8.5 x 14 in
    static PageSetup a4(Orientation orientation = Orientation::Portrait);      // 210 x 297 mm

    QSizeF paper() const { return paper_; }
    Orientation orientation() const { return orientation_; }
    QMarginsF margins() const { return margins_; }

    // The page as it is drawn, turned by the orientation.
    QSizeF size() const;
    QRectF pageRect() const { return {QPointF(0, 0), size()}; }
    // The part of the page inside the margins, where a report's content goes.
    QRectF contentRect() const { return pageRect().marginsRemoved(margins_); }

    bool operator==(const PageSetup&) const = default;

private:
    QSizeF paper_;
    Orientation orientation_;
    QMarginsF margins_;
};

}  // namespace orvant::report
