#pragma once
// The two password dialogs: the user's at login (letters turned into capitals as typed, and the
// choice of the standard desktop) and a company's (typed exactly). Each asks afresh every time.

#include <QDialog>

#include "company_choice.h"
#include "login.h"

class QCheckBox;
class QLineEdit;

namespace orvant::launcher {

class PasswordDialog : public QDialog, public PasswordPrompt {
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget* parent = nullptr);
    std::optional<PasswordAnswer> ask() override;

private:
    QLineEdit* password_;
    QCheckBox* standardDesktop_;
};

class CompanyPasswordDialog : public QDialog, public CompanyPasswordPrompt {
    Q_OBJECT
public:
    explicit CompanyPasswordDialog(QWidget* parent = nullptr);
    std::optional<QString> ask() override;

private:
    QLineEdit* password_;
};

}  // namespace orvant::launcher
