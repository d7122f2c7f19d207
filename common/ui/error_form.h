#pragma once
// The error form every module shows when the store fails: its category, its code and its
// message, with Close and a button that prints an image of the form. It has no window buttons
// of its own, so it is closed with Close.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvant::ui {

struct ErrorReport;

class ErrorForm : public QDialog {
    Q_OBJECT
public:
    explicit ErrorForm(QWidget* parent = nullptr);

    void fill(const ErrorReport& report);
    QString category() const;
    QString code() const;
    QString message() const;

signals:
    // The print button: the module prints an image of the form on the session's printer.
    void printRequested();

private:
    QLineEdit* category_;
    QLineEdit* code_;
    QPlainTextEdit* message_;
};

}  // namespace orvant::ui
