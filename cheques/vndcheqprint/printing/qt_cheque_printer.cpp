#include "qt_cheque_printer.h"

#include <QPageRanges>
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
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
        if (dialog.exec() != QDialog::Accepted) return report::OutputResult::cancelled();
        return printer_.isValid() ? report::OutputResult::done() : failed();
    }

    report::OutputResult print(const report::ReportDocument& document) override
    {
        printer_.setDocName(document.title);
        return PrintEveryFormOnce(document, printer_);
    }

private:
    // The screen says, in its language, that this printer is not ready.
    report::OutputResult failed() const { return report::OutputResult::failed(printer_.printerName()); }

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

report::OutputResult PrintEveryFormOnce(const report::ReportDocument& document, QPrinter& printer)
{
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    return report::paintDocument(document, printer);
}

QString ChequePrinterName(const QString& registryName, const QString& sessionPrinterName)
{
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    if (installed.contains(registryName)) return registryName;
    if (installed.contains(sessionPrinterName)) return sessionPrinterName;
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<ChequePrinter> ChooseChequePrinter(const QString& registryName, const QString& sessionPrinterName, bool printDialog,
                                                   QWidget* parent)
{
    if (registryName.compare(kPdfOnlyPrinter, Qt::CaseInsensitive) == 0) return std::make_unique<PdfOnly>();
    const QString name = ChequePrinterName(registryName, sessionPrinterName);
    if (name.isEmpty()) return std::make_unique<PdfOnly>();
    return std::make_unique<PaperPrinter>(name, printDialog, parent);
}

}  // namespace orvant::vndcheqprint
