#include "password_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "company/passwords.h"

namespace orvant::launcher {

namespace {

QLineEdit* passwordBox(QDialog* dialog, QVBoxLayout* layout)
{
    auto* label = new QLabel(QStringLiteral("Enter password:"), dialog);
    label->setObjectName(QStringLiteral("PasswordLabel"));
    auto* box = new QLineEdit(dialog);
    box->setObjectName(QStringLiteral("Password"));
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*" for each character
    box->setMaxLength(company::kPasswordLength);
    label->setBuddy(box);
    layout->addWidget(label);
    layout->addWidget(box);
    return box;
}

void okCancel(QDialog* dialog, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace

PasswordDialog::PasswordDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("Password Dialog"));
    auto* layout = new QVBoxLayout(this);
    password_ = passwordBox(this, layout);
    // Passwords are compared in capitals, so they are typed in capitals.
    connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = password_->cursorPosition();
        password_->setText(text.toUpper());
        password_->setCursorPosition(cursor);
    });
    standardDesktop_ = new QCheckBox(QStringLiteral("Use Standard Desktop"), this);
    standardDesktop_->setObjectName(QStringLiteral("StandardDesktop"));
    layout->addWidget(standardDesktop_);
    okCancel(this, layout);
}

std::optional<PasswordAnswer> PasswordDialog::ask()
{
    password_->clear();
    password_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return PasswordAnswer{password_->text(), standardDesktop_->isChecked()};
}

CompanyPasswordDialog::CompanyPasswordDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CompanyPasswordDlg"));
    setWindowTitle(QStringLiteral("Password"));
    auto* layout = new QVBoxLayout(this);
    password_ = passwordBox(this, layout);
    okCancel(this, layout);
}

std::optional<QString> CompanyPasswordDialog::ask()
{
    password_->clear();
    password_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return password_->text();
}

}  // namespace orvant::launcher
