#include "ui/error_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/message_service.h"

namespace orvant::ui {

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLineEdit* valueField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    return field;
}

}  // namespace

ErrorForm::ErrorForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TErrorForm"));
    setWindowTitle(QStringLiteral("Error"));
    setModal(true);

    category_ = valueField("ErrCat", this);
    code_ = valueField("ErrCode", this);
    message_ = new QPlainTextEdit(this);
    message_->setObjectName(QStringLiteral("ErrMess"));
    message_->setReadOnly(true);
    message_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setDefault(true);
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    print->setObjectName(QStringLiteral("PrintButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(print, &QPushButton::clicked, this, &ErrorForm::printRequested);

    auto* grid = new QGridLayout(this);
    auto* title = label("ErrorTitle", QStringLiteral("ERROR"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(label("MessageLabel", QStringLiteral("Message: "), this), 1, 0, Qt::AlignTop);
    grid->addWidget(message_, 1, 1);
    grid->addWidget(label("CategoryLabel", QStringLiteral("Category: "), this), 2, 0);
    grid->addWidget(category_, 2, 1);
    grid->addWidget(label("CodeLabel", QStringLiteral("Code: "), this), 3, 0);
    grid->addWidget(code_, 3, 1);
    grid->addWidget(label("ClosingLabel", QStringLiteral("Application must be closed."), this), 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    grid->addLayout(buttons, 5, 0, 1, 2);
    resize(460, 300);
}

void ErrorForm::fill(const ErrorReport& report)
{
    category_->setText(report.category);
    code_->setText(report.code);
    message_->setPlainText(report.message);
}

QString ErrorForm::category() const { return category_->text(); }
QString ErrorForm::code() const { return code_->text(); }
QString ErrorForm::message() const { return message_->toPlainText(); }

}  // namespace orvant::ui
