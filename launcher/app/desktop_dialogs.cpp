#include "desktop_dialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvant::launcher {

namespace {

QDialogButtonBox* okCancel(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

AddShortcutDialog::AddShortcutDialog(const QStringList& captions, int language, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ShortcutDlg"));
    setWindowTitle(language == 2 ? QStringLiteral("Ajouter un raccourci") : QStringLiteral("Add shortcut"));
    options_ = new QListWidget(this);
    options_->setObjectName(QStringLiteral("OptionList"));
    options_->addItems(captions);
    options_->setCurrentRow(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options_);
    layout->addWidget(okCancel(this));
    connect(options_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(420, 360);
}

int AddShortcutDialog::chosen() const { return options_->currentRow(); }

ShortcutPropertiesDialog::ShortcutPropertiesDialog(const QString& picture, const QString& caption, const QString& code,
                                                   int language, const QString& pictureFolder, QWidget* parent)
    : QDialog(parent)
{
    const bool french = language == 2;
    setObjectName(QStringLiteral("ShortcutPropertiesDlg"));
    setWindowTitle(french ? QStringLiteral("Propriétés du raccourci") : QStringLiteral("Shortcut properties"));
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("PictureImage"));
    preview_->setPixmap(QPixmap(picture).scaled(48, 48, Qt::KeepAspectRatio));
    auto* choose = new QPushButton(french ? QStringLiteral("&Image...") : QStringLiteral("&Picture..."), this);
    choose->setObjectName(QStringLiteral("PictureBtn"));
    caption_ = new QLineEdit(caption, this);
    caption_->setObjectName(QStringLiteral("CaptionEdit"));
    auto* codeLabel = new QLabel(code, this);
    codeLabel->setObjectName(QStringLiteral("CodeLabel"));
    auto* form = new QFormLayout;
    form->addRow(preview_, choose);
    form->addRow(french ? QStringLiteral("&Libellé :") : QStringLiteral("&Caption:"), caption_);
    form->addRow(french ? QStringLiteral("Option :") : QStringLiteral("Option:"), codeLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancel(this));
    connect(choose, &QPushButton::clicked, this, [this, pictureFolder, french] {
        const QString file = QFileDialog::getOpenFileName(this, windowTitle(), pictureFolder,
                                                          french ? QStringLiteral("Images (*.bmp *.jpg *.jpeg *.png)")
                                                                 : QStringLiteral("Pictures (*.bmp *.jpg *.jpeg *.png)"));
        if (file.isEmpty()) return;
        chosenPicture_ = file;
        preview_->setPixmap(QPixmap(file).scaled(48, 48, Qt::KeepAspectRatio));
    });
}

QString ShortcutPropertiesDialog::caption() const { return caption_->text(); }

}  // namespace orvant::launcher
