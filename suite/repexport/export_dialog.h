#pragma once
// The report export package: a dialog that writes the report it is given to a PDF or a CSV
// file, and the progress box it reports to. A module makes the progress box, then the dialog
// with the box and the report, runs the dialog, and closes its own screen when the dialog
// returns 1 (exported).

#include <QDialog>

#include "report/report_document.h"

#define REPEXPORT_API __attribute__((visibility("default")))

class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;

namespace orvant::suite {

class REPEXPORT_API TStatusBox : public QDialog {
    Q_OBJECT
public:
    explicit TStatusBox(int language, QWidget* parent = nullptr);

    void begin(const QString& what);
    void advance(int done, int total);
    bool cancelRequested() const { return cancelRequested_; }

private:
    QLabel* what_;
    QProgressBar* bar_;
    bool cancelRequested_ = false;
};

class REPEXPORT_API TExportDialog : public QDialog {
    Q_OBJECT
public:
    enum class Format { Pdf, Csv };

    // The report must outlive the dialog.
    TExportDialog(TStatusBox& status, const report::ReportDocument& document, int language, QWidget* parent = nullptr);

    // 1 when the report was exported, 0 when the user closed the dialog without exporting.
    int exec() override;

private:
    void browse();
    void exportNow();
    Format format() const;
    QString fileWithExtension() const;
    QString text(const char* english, const char* french) const;

    TStatusBox& status_;
    const report::ReportDocument& document_;
    int language_;
    QRadioButton* pdf_;
    QRadioButton* csv_;
    QLineEdit* file_;
};

}  // namespace orvant::suite
