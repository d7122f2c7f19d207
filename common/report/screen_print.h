#pragma once
// "Print screen": a form's picture on one page, to print or export like any report.

#include <QImage>
#include <QString>

#include "report/page_setup.h"
#include "report/report_document.h"

class QWidget;

namespace orvant::report {

// The widget as it looks now, with its window's title above, on a letter page turned to suit it.
ReportDocument documentFromWidget(QWidget* widget);

// The image as large as the page allows below the title, its proportions kept, centred.
ReportDocument documentFromImage(const QImage& image, const QString& title, const PageSetup& page);

}  // namespace orvant::report
