#pragma once
// Draws report pages. Printing, the print preview, PDF export and on-screen images all come
// through here, so what is seen is what is printed.

#include <QImage>
#include <QPainter>

#include "report/report_document.h"

namespace orvant::report {

// Draws the page at the resolution of the painter's device, the page's top-left corner at the
// painter's origin. Fonts are set in points so the device lays text out at its own resolution.
void renderPage(const ReportPage& page, QPainter& painter);

// The page drawn on white paper at the given resolution.
QImage renderPageImage(const ReportPage& page, int dotsPerInch);

}  // namespace orvant::report
