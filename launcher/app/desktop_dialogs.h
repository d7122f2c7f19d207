#pragma once
// The shortcut dialogs: the option a new shortcut starts, and an icon's properties (its caption
// and picture, with its option's code shown).

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace orvant::launcher {

class AddShortcutDialog : public QDialog {
    Q_OBJECT
public:
    AddShortcutDialog(const QStringList& captions, int language, QWidget* parent);
    int chosen() const;  // the entry chosen, -1 when none

private:
    QListWidget* options_;
};

class ShortcutPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    ShortcutPropertiesDialog(const QString& picture, const QString& caption, const QString& code, int language,
                             const QString& pictureFolder, QWidget* parent);
    QString caption() const;
    QString chosenPicture() const { return chosenPicture_; }  // empty unless the user chose one

private:
    QLineEdit* caption_;
    QLabel* preview_;
    QString chosenPicture_;
};

}  // namespace orvant::launcher
