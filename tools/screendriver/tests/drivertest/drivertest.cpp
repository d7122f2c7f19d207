// A module for the screen driver's tests: a main form with a control of each kind a script step
// acts on, a question and numbered messages from the form's message list, a side dialog, and a
// client picker opened the way a picker library opens one (a dialog of its own, made on demand).

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "lang/messages.h"
#include "session/module_frame.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

using namespace orvant;

enum MessageNumber { kDeleteClient = 0, kClientDeleted = 1, kClientSaved = 2 };

const QStringList kClients{"ABC100", "DEF200", "GHI300"};

class NoTables : public DataModule {
public:
    void bind(ModuleContext&) override {}
    std::vector<store::Table*> tablesToOpen() override { return {}; }
};

template <class W>
W* add(W* widget, const char* name, QLayout* layout)
{
    widget->setObjectName(QString::fromLatin1(name));
    layout->addWidget(widget);
    return widget;
}

template <class Handler>
void onClick(QPushButton* button, Handler handler)
{
    QObject::connect(button, &QPushButton::clicked, button, ui::Guarded(handler));
}

ui::Answer say(QWidget& form, int number, ui::MessageKind kind)
{
    return ui::Messages().show({kind, lang::MessageText(form, number).value_or(QString()), number, &form, false});
}

// Type a code and press Enter: a code in the list is chosen and the picker closes.
QString pickClient(QWidget& parent)
{
    QDialog picker(&parent);
    picker.setObjectName("TClientPicker");
    auto* layout = new QVBoxLayout(&picker);
    auto* codeBox = new QLineEdit(&picker);
    auto* list = new QListWidget(&picker);
    list->addItems(kClients);
    layout->addWidget(codeBox);
    layout->addWidget(list);
    QString chosen;
    QObject::connect(codeBox, &QLineEdit::returnPressed, &picker, [&] {
        if (!kClients.contains(codeBox->text())) return;
        chosen = codeBox->text();
        picker.accept();
    });
    picker.exec();
    return chosen;
}

class DriverTestModule : public Module {
public:
    std::unique_ptr<DataModule> createDataModule() override { return std::make_unique<NoTables>(); }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<QDialog>();
        form->setObjectName("Tdrivertest_frm");
        auto* layout = new QVBoxLayout(form.get());
        auto* code = add(new QLineEdit, "CodeBox", layout);
        auto* active = add(new QCheckBox("Active"), "ActiveBox", layout);
        addTerms(layout);
        auto* clients = add(new QListWidget, "ClientList", layout);
        clients->addItems(kClients);
        QObject::connect(clients, &QListWidget::itemClicked, code, [code](QListWidgetItem* item) { code->setText(item->text()); });
        addLines(layout);
        note_ = add(new QLabel, "NoteLabel", layout);
        auto* save = add(new QPushButton("Save"), "SaveButton", layout);
        save->setEnabled(false);
        QObject::connect(active, &QCheckBox::toggled, save, &QPushButton::setEnabled);
        onClick(save, [f = form.get()] { say(*f, kClientSaved, ui::MessageKind::Information); });
        onClick(add(new QPushButton("Delete"), "DeleteButton", layout), [f = form.get()] {
            if (say(*f, kDeleteClient, ui::MessageKind::Question) == ui::Answer::Yes) say(*f, kClientDeleted, ui::MessageKind::Information);
        });
        onClick(add(new QPushButton("Find"), "FindButton", layout), [f = form.get(), code] {
            if (const QString chosen = pickClient(*f); !chosen.isEmpty()) code->setText(chosen);
        });
        onClick(add(new QPushButton("Note"), "DialogButton", layout), [this] { editNote(); });
        onClick(add(new QPushButton("Close"), "CloseButton", layout), [f = form.get()] { f->accept(); });
        add(new QPlainTextEdit, "IntlStrings1", layout)->hide();
        return form;
    }

    std::vector<std::unique_ptr<QWidget>> createDialogs() override
    {
        auto dialog = std::make_unique<QDialog>();
        dialog->setObjectName("Tdrivertest_dlg");
        auto* layout = new QVBoxLayout(dialog.get());
        noteBox_ = add(new QLineEdit, "NoteBox", layout);
        onClick(add(new QPushButton("Ok"), "OkButton", layout), [d = dialog.get()] { d->accept(); });
        noteDialog_ = dialog.get();
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.push_back(std::move(dialog));
        return dialogs;
    }

private:
    static void addTerms(QLayout* layout)
    {
        auto* terms = add(new QComboBox, "TermsBox", layout);
        terms->addItems({"Net 30 days", "Net 15 days", "Due on receipt"});
        auto* chosen = add(new QLabel, "TermsLabel", layout);
        QObject::connect(terms, &QComboBox::textActivated, chosen, &QLabel::setText);
    }

    // Descriptions, then amounts that a user types; the total follows the amounts.
    static void addLines(QLayout* layout)
    {
        auto* grid = add(new QTableWidget(2, 2), "LinesGrid", layout);
        for (int row = 0; row < 2; ++row) {
            auto* description = new QTableWidgetItem(row == 0 ? "Widgets" : "Bolts");
            description->setFlags(description->flags() & ~Qt::ItemIsEditable);
            grid->setItem(row, 0, description);
            grid->setItem(row, 1, new QTableWidgetItem("0.00"));
        }
        auto* total = add(new QLabel("0.00"), "TotalLabel", layout);
        QObject::connect(grid, &QTableWidget::cellChanged, total, [grid, total] {
            double sum = 0;
            for (int row = 0; row < grid->rowCount(); ++row) sum += grid->item(row, 1)->text().toDouble();
            total->setText(QString::number(sum, 'f', 2));
        });
    }

    void editNote()
    {
        noteBox_->clear();
        if (noteDialog_->exec() == QDialog::Accepted) note_->setText(noteBox_->text());
    }

    QLabel* note_ = nullptr;
    QLineEdit* noteBox_ = nullptr;
    QDialog* noteDialog_ = nullptr;
};

const ModuleTraits kTraits{"drivertest"};

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return RunModule(link, kTraits, [](ModuleContext&) { return std::make_unique<DriverTestModule>(); },
                     reinterpret_cast<const void*>(&ShowDllForm));
}
