#include "qt_cheque_printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "report/paged_output.h"

namespace orvant::vndcheqprint {

namespace {

class PaperPrinter : public ChequePrinter {
public:
    PaperPrinter(const QString& name, bool printDialog, QWidget* parent)
        : printer_(QPrinter::HighResolution), printDialog_(printDialog), parent_(parent)
    {
        printer_.setPrinterName(name);
    }

    report::OutputResult prepare() override
    {
        if (!printDialog_) return printer_.isValid() ? report::OutputResult::done() : failed();
        QPrintDialog dialog(&printer_, parent_);
        if (dialog.exec() != QDialog::Accepted) return report::OutputResult::cancelled();
        return printer_.isValid() ? report::OutputResult::done() : failed();
    }

    report::OutputResult print(const report::ReportDocument& document) override
    {
        printer_.setDocName(document.title);
        return report::paintDocument(document, printer_);
    }

private:
    report::OutputResult failed() const
    {
        return report::OutputResult::failed(QStringLiteral("The printer %1 is not ready.").arg(printer_.printerName()));
    }

    QPrinter printer_;
    bool printDialog_;
    QWidget* parent_;
};

// The run's PDF is the whole output.
class PdfOnly : public ChequePrinter {
public:
    report::OutputResult prepare() override { return report::OutputResult::done(); }
    report::OutputResult print(const report::ReportDocument&) override { return report::OutputResult::done(); }
    bool printsOnPaper() const override { return false; }
};

}  // namespace

std::unique_ptr<ChequePrinter> ChooseChequePrinter(const QString& registryName, const QString& sessionPrinterName, bool printDialog,
                                                   QWidget* parent)
{
    if (registryName.compare(kPdfOnlyPrinter, Qt::CaseInsensitive) == 0) return std::make_unique<PdfOnly>();
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    QString name = QPrinterInfo::defaultPrinterName();
    if (installed.contains(registryName)) name = registryName;
    else if (installed.contains(sessionPrinterName)) name = sessionPrinterName;
    if (name.isEmpty()) return std::make_unique<PdfOnly>();
    return std::make_unique<PaperPrinter>(name, printDialog, parent);
}

}  // namespace orvant::vndcheqprint
