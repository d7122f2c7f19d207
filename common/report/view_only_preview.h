#pragma once
// A preview that only shows a document: its pages, zoom and Close, with no print or page-setup
// action, for documents that must never be printed from their preview (cheque forms before they
// are numbered).

#include <QDialog>
#include <QPrinter>
#include <QString>

#include "report/report_document.h"

class QPrintPreviewWidget;

namespace orvant::report {

class ViewOnlyPreview : public QDialog {
public:
    // Laid out for the named printer's page when it is installed, else the default printer's.
    // The document must outlive the dialog.
    ViewOnlyPreview(const ReportDocument& document, const QString& printerName, QWidget* parent);

    QPrintPreviewWidget* pages() const { return pages_; }

private:
    QPrinter printer_;
    QPrintPreviewWidget* pages_;
};

}  // namespace orvant::report
