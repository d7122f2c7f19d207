// The export dialog writes the report it is given to PDF or CSV and says whether it did.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "../export_dialog.h"
#include "report/report_builder.h"
#include "ui/recording_messages.h"

namespace orvant::suite {
namespace {

report::ReportDocument agingReport()
{
    report::ReportHeading heading;
    heading.title = "Receivables aging";
    heading.companyName = "Orvant Demo Inc.";
    heading.pageNumberFormat = "Page %1 of %2";
    report::ReportBuilder builder(heading, {{"Client", 200, report::ColumnKind::Text}, {"Balance", 90, report::ColumnKind::Amount}});
    builder.addRow({QString("Bélanger et fils inc."), Money::fromCents(123456)});
    builder.addRow({QString("Harbour, Marine \"Supply\""), Money::fromCents(-5000)});
    return builder.finish("Total");
}

// Fills the dialog once it shows, then presses Export (or Cancel).
void answerDialog(bool csv, const QString& file, const char* buttonName)
{
    QTimer::singleShot(0, [=] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "TExportDialog" || !w->isVisible()) continue;
            w->findChild<QRadioButton*>(csv ? "CsvButton" : "PdfButton")->setChecked(true);
            w->findChild<QLineEdit*>("FileEdit")->setText(file);
            w->findChild<QPushButton*>(buttonName)->click();
            return;
        }
    });
}

class ExportDialogTest : public ::testing::Test {
protected:
    int run(bool csv, const QString& file, const char* buttonName = "ExportButton")
    {
        TStatusBox status(1);
        TExportDialog dialog(status, report_, 1);
        answerDialog(csv, file, buttonName);
        return dialog.exec();
    }

    report::ReportDocument report_ = agingReport();
    QTemporaryDir dir_;
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

TEST_F(ExportDialogTest, exports_a_pdf_that_reads_back_and_returns_one)
{
    ASSERT_EQ(run(false, dir_.filePath("aging")), 1);
    const QString pdf = dir_.filePath("aging.pdf");
    ASSERT_TRUE(QFile::exists(pdf)) << "the format's extension is added";
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess reader;
    reader.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Receivables aging"));
    EXPECT_TRUE(text.contains("Bélanger et")) << text.toStdString();  // "fi" may come back as a ligature
    EXPECT_TRUE(text.contains("1,234.56"));
}

TEST_F(ExportDialogTest, exports_csv_rows_with_their_quoting)
{
    ASSERT_EQ(run(true, dir_.filePath("aging.csv")), 1);
    QFile csv(dir_.filePath("aging.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(content.contains("Bélanger et fils inc.,1234.56"));
    EXPECT_TRUE(content.contains("\"Harbour, Marine \"\"Supply\"\"\",-50.00"));
}

TEST_F(ExportDialogTest, cancel_and_a_missing_file_name_export_nothing)
{
    EXPECT_EQ(run(false, dir_.filePath("never.pdf"), "CancelButton"), 0);
    EXPECT_FALSE(QFile::exists(dir_.filePath("never.pdf")));

    QTimer::singleShot(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "TExportDialog" && w->isVisible()) w->findChild<QPushButton*>("CancelButton")->click();
    });
    EXPECT_EQ(run(false, ""), 0);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.text, "Choose the file to export to.");
}

TEST_F(ExportDialogTest, a_file_that_cannot_be_written_is_reported_and_the_dialog_stays)
{
    QTimer::singleShot(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "TExportDialog" && w->isVisible()) w->findChild<QPushButton*>("CancelButton")->click();
    });
    EXPECT_EQ(run(false, dir_.filePath("no/such/folder/aging.pdf")), 0);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_TRUE(messages_.shown()[0].message.text.startsWith("The report could not be exported: "));
}

}  // namespace
}  // namespace orvant::suite
