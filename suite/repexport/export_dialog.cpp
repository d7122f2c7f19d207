#include "export_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "report/csv_export.h"
#include "report/pdf_export.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::suite {

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

TStatusBox::TStatusBox(int language, QWidget* parent) : QDialog(parent)
{
    const bool fr = language == 2;
    setObjectName(QStringLiteral("TStatusBox"));
    setWindowTitle(fr ? QStringLiteral("Progression") : QStringLiteral("Progress"));
    what_ = new QLabel(this);
    what_->setObjectName(QStringLiteral("WhatLabel"));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    auto* cancel = button("CancelButton", fr ? QStringLiteral("Annuler") : QStringLiteral("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what_);
    layout->addWidget(bar_);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    resize(320, 110);
}

void TStatusBox::begin(const QString& what)
{
    cancelRequested_ = false;
    what_->setText(what);
    bar_->setRange(0, 0);
    show();
    QApplication::processEvents();
}

// Painted at once, and the Cancel button heard, while the export runs.
void TStatusBox::advance(int done, int total)
{
    bar_->setRange(0, total);
    bar_->setValue(done);
    QApplication::processEvents();
}

TExportDialog::TExportDialog(TStatusBox& status, const report::ReportDocument& document, int language, QWidget* parent)
    : QDialog(parent), status_(status), document_(document), language_(language)
{
    setObjectName(QStringLiteral("TExportDialog"));
    setWindowTitle(text("Export the report", "Exporter le rapport"));

    auto* formats = new QGroupBox(text("Format", "Format"), this);
    formats->setObjectName(QStringLiteral("FormatGroup"));
    pdf_ = new QRadioButton(text("PDF document", "Document PDF"), formats);
    pdf_->setObjectName(QStringLiteral("PdfButton"));
    csv_ = new QRadioButton(text("CSV file (spreadsheet)", "Fichier CSV (tableur)"), formats);
    csv_->setObjectName(QStringLiteral("CsvButton"));
    pdf_->setChecked(true);
    auto* formatLayout = new QVBoxLayout(formats);
    formatLayout->addWidget(pdf_);
    formatLayout->addWidget(csv_);

    auto* fileLabel = new QLabel(text("&File:", "&Fichier :"), this);
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("FileEdit"));
    fileLabel->setBuddy(file_);
    auto* browse = button("BrowseButton", text("&Browse...", "&Parcourir..."), this);
    auto* exportButton = button("ExportButton", text("&Export", "&Exporter"), this);
    auto* cancel = button("CancelButton", text("Cancel", "Annuler"), this);
    exportButton->setDefault(true);
    connect(browse, &QPushButton::clicked, this, ui::Guarded([this] { this->browse(); }));
    connect(exportButton, &QPushButton::clicked, this, ui::Guarded([this] { exportNow(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formats);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(file_);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

int TExportDialog::exec() { return QDialog::exec() == QDialog::Accepted ? 1 : 0; }

QString TExportDialog::text(const char* english, const char* french) const
{
    return QString::fromUtf8(language_ == 2 ? french : english);
}

TExportDialog::Format TExportDialog::format() const { return csv_->isChecked() ? Format::Csv : Format::Pdf; }

// The file named, with the format's extension when it has none.
QString TExportDialog::fileWithExtension() const
{
    QString path = file_->text().trimmed();
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += format() == Format::Csv ? QStringLiteral(".csv") : QStringLiteral(".pdf");
    return path;
}

void TExportDialog::browse()
{
    const QString filter = format() == Format::Csv ? QStringLiteral("CSV (*.csv)") : QStringLiteral("PDF (*.pdf)");
    const QString chosen = QFileDialog::getSaveFileName(this, windowTitle(), file_->text(), filter);
    if (!chosen.isEmpty()) file_->setText(chosen);
}

void TExportDialog::exportNow()
{
    const QString path = fileWithExtension();
    if (path.isEmpty()) {
        ui::Messages().show({ui::MessageKind::Warning, text("Choose the file to export to.", "Choisissez le fichier où exporter."), -1, this, false});
        file_->setFocus();
        return;
    }
    status_.begin(text("Exporting to ", "Exportation vers ") + path);
    const report::ExportProgress progress{[this](int done, int total) { status_.advance(done, total); },
                                          [this] { return status_.cancelRequested(); }};
    const report::OutputResult result = format() == Format::Csv ? report::exportCsv(document_, path, {}, progress)
                                                                : report::exportPdf(document_, path, progress);
    status_.hide();
    if (result.ok()) {
        accept();
        return;
    }
    if (result.status == report::OutputResult::Status::Failed)
        ui::Messages().show({ui::MessageKind::Error, text("The report could not be exported: ", "Le rapport n'a pu être exporté : ") + result.message, -1, this, false});
}

}  // namespace orvant::suite
