#include "report/view_only_preview.h"

#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "report/paged_output.h"

namespace orvant::report {

ViewOnlyPreview::ViewOnlyPreview(const ReportDocument& document, const QString& printerName, QWidget* parent)
    : QDialog(parent), printer_(QPrinter::HighResolution)
{
    setObjectName("ViewOnlyPreview");
    setWindowTitle(document.title);
    if (QPrinterInfo::availablePrinterNames().contains(printerName)) printer_.setPrinterName(printerName);
    printer_.setDocName(document.title);
    pages_ = new QPrintPreviewWidget(&printer_, this);
    pages_->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(pages_, &QPrintPreviewWidget::paintRequested, this, [&document](QPrinter* printer) { paintDocument(document, *printer); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Zoom needs no words: the signs read the same in every language.
    for (const auto& [sign, zoom] : {std::pair{"+", &QPrintPreviewWidget::zoomIn}, std::pair{"\u2212", &QPrintPreviewWidget::zoomOut}}) {
        auto* button = buttons->addButton(QString::fromUtf8(sign), QDialogButtonBox::ActionRole);
        connect(button, &QPushButton::clicked, pages_, [this, zoom = zoom] { (pages_->*zoom)(1.25); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
    resize(900, 700);
}

}  // namespace orvant::report
