// Maintenance of the Tools menu: the rows of apps.DB listed, added, changed and removed. The
// launcher gives the captions and codes of every menu option, so that each entry can be given
// the option whose right governs it.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include "session/module_frame.h"
#include "session/tools_maintenance_entry.h"
#include "store/table.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

using namespace orvant;

// Messages of the form: 0 a code (a library or program name) is needed, 1 remove this entry?
enum Message { kCodeNeeded = 0, kRemoveEntry = 1 };

struct OptionChoice {
    QStringList names, codes;
};

QStringList listOf(const TOptionList& list)
{
    QStringList out;
    for (int i = 0; i < list.Count; ++i) out << QString::fromUtf8(list.Items[i]);
    return out;
}

class AppsData : public DataModule {
public:
    void bind(ModuleContext& context) override { apps_ = std::make_unique<store::Table>(context.dataRootDatabase(), "apps"); }
    std::vector<store::Table*> tablesToOpen() override { return {apps_.get()}; }
    store::Table& apps() { return *apps_; }

private:
    std::unique_ptr<store::Table> apps_;
};

// The fields of one entry, in a dialog of their own.
class EntryDialog : public QDialog {
public:
    EntryDialog(const OptionChoice& options, QWidget* parent) : QDialog(parent)
    {
        setObjectName("TToolsEntry_dlg");
        setWindowTitle("Tools menu entry");
        auto* form = new QFormLayout;
        for (auto [box, name, label, width] : {std::tuple{&name_, "NameEdit", "English caption", 60},
                                               {&nameFr_, "NameFrEdit", "French caption", 60},
                                               {&code_, "CodeEdit", "Code (library or program)", 60},
                                               {&about_, "AboutEdit", "English hint", 200},
                                               {&aboutFr_, "AboutFrEdit", "French hint", 200},
                                               {&directory_, "DirectoryEdit", "Program's folder", 240}}) {
            *box = new QLineEdit(this);
            (*box)->setObjectName(name);
            (*box)->setMaxLength(width);
            form->addRow(label, *box);
        }
        security_ = new QComboBox(this);
        security_->setObjectName("SecurityCombo");
        security_->addItem(QString(), QString());
        for (int i = 0; i < options.names.size() && i < options.codes.size(); ++i)
            if (!options.codes[i].isEmpty()) security_->addItem(options.names[i].trimmed(), options.codes[i]);
        form->addRow("Right of the option", security_);
        module_ = new QCheckBox("A module of the suite (else a program)", this);
        module_->setObjectName("ModuleCheck");
        module_->setChecked(true);
        form->addRow(module_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addWidget(buttons);
    }

    void load(store::Table& apps)
    {
        name_->setText(text(apps, "Application_name"));
        nameFr_->setText(text(apps, "Application_name_fr"));
        code_->setText(text(apps, "Application_pgm"));
        about_->setText(text(apps, "Application_about"));
        aboutFr_->setText(text(apps, "Application_about_fr"));
        directory_->setText(text(apps, "Application_directory"));
        security_->setCurrentIndex(std::max(0, security_->findData(text(apps, "Application_security"))));
        module_->setChecked(apps.field("Application_type").asBool());
    }

    void store(store::Table& apps) const
    {
        apps.field("Application_name") = name_->text().trimmed().toStdString();
        apps.field("Application_name_fr") = nameFr_->text().trimmed().toStdString();
        apps.field("Application_pgm") = code_->text().trimmed().toStdString();
        apps.field("Application_about") = about_->text().trimmed().toStdString();
        apps.field("Application_about_fr") = aboutFr_->text().trimmed().toStdString();
        apps.field("Application_directory") = directory_->text().trimmed().toStdString();
        apps.field("Application_security") = security_->currentData().toString().toStdString();
        apps.field("Application_type") = module_->isChecked();
    }

    // A library or program name, never a path: letters, digits, "_" (and "-" or "." inside a
    // program's name).
    bool codeIsAName() const
    {
        static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.+-]*$"));
        const QString code = code_->text().trimmed();
        return name.match(code).hasMatch() && !code.contains(QLatin1String(".."));
    }

private:
    static QString text(store::Table& apps, const char* field) { return QString::fromStdString(apps.field(field).asString()); }

    QLineEdit *name_, *nameFr_, *code_, *about_, *aboutFr_, *directory_;
    QComboBox* security_;
    QCheckBox* module_;
};

class ToolsMaintenance : public Module {
public:
    explicit ToolsMaintenance(OptionChoice options) : options_(std::move(options)) {}

    std::unique_ptr<DataModule> createDataModule() override
    {
        auto data = std::make_unique<AppsData>();
        data_ = data.get();
        return data;
    }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<QDialog>();
        form_ = form.get();
        form->setObjectName("Ttoolsmaint_frm");
        form->setWindowTitle("Maintenance of Tools menu");
        grid_ = new QTableWidget(0, 3, form.get());
        grid_->setObjectName("EntriesGrid");
        grid_->setHorizontalHeaderLabels({"Caption", "Code", "Right of"});
        grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid_->horizontalHeader()->setStretchLastSection(true);
        auto* messages = new QPlainTextEdit(form.get());
        messages->setObjectName("IntlStrings1");
        messages->hide();
        auto* buttons = new QHBoxLayout;
        for (auto [name, caption, action] : {std::tuple{"AddButton", "&Add", &ToolsMaintenance::add},
                                             {"ChangeButton", "C&hange", &ToolsMaintenance::change},
                                             {"RemoveButton", "&Remove", &ToolsMaintenance::remove}}) {
            auto* b = new QPushButton(caption, form.get());
            b->setObjectName(name);
            QObject::connect(b, &QPushButton::clicked, form.get(), ui::Guarded([this, action] { (this->*action)(); }));
            buttons->addWidget(b);
        }
        buttons->addStretch();
        auto* close = new QPushButton("Close", form.get());
        close->setObjectName("CloseButton");
        QObject::connect(close, &QPushButton::clicked, form.get(), &QDialog::accept);
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(form.get());
        layout->addWidget(grid_);
        layout->addLayout(buttons);
        form->resize(560, 360);
        return form;
    }

    void started() override { fill(); }

private:
    // The table has no key: an entry is found again by its place in table order.
    bool moveTo(int row)
    {
        store::Table& apps = data_->apps();
        apps.first();
        for (int i = 0; i < row && !apps.eof(); ++i) apps.next();
        return row >= 0 && !apps.eof();
    }

    void fill()
    {
        store::Table& apps = data_->apps();
        apps.refresh();
        grid_->setRowCount(0);
        for (apps.first(); !apps.eof(); apps.next()) {
            const int row = grid_->rowCount();
            grid_->insertRow(row);
            const QString security = QString::fromStdString(apps.field("Application_security").asString());
            const qsizetype option = options_.codes.indexOf(security);
            const QString cells[] = {QString::fromStdString(apps.field("Application_name").asString()),
                                     QString::fromStdString(apps.field("Application_pgm").asString()),
                                     option >= 0 ? options_.names[option].trimmed() : security};
            for (int c = 0; c < 3; ++c) grid_->setItem(row, c, new QTableWidgetItem(cells[c]));
        }
        if (grid_->rowCount() > 0) grid_->selectRow(0);
    }

    bool edit(EntryDialog& dialog)
    {
        while (dialog.exec() == QDialog::Accepted) {
            if (dialog.codeIsAName()) return true;
            ui::ShowFormMessage(*form_, kCodeNeeded, ui::MessageKind::Warning);
        }
        return false;
    }

    void add()
    {
        EntryDialog dialog(options_, form_);
        if (!edit(dialog)) return;
        store::Table& apps = data_->apps();
        apps.insert();
        dialog.store(apps);
        apps.post();
        fill();
    }

    void change()
    {
        const int row = grid_->currentRow();
        if (!moveTo(row)) return;
        EntryDialog dialog(options_, form_);
        dialog.load(data_->apps());
        if (!edit(dialog) || !moveTo(row)) return;
        store::Table& apps = data_->apps();
        apps.edit();
        dialog.store(apps);
        apps.post();
        fill();
    }

    void remove()
    {
        const int row = grid_->currentRow();
        if (!moveTo(row) || ui::ShowFormMessage(*form_, kRemoveEntry, ui::MessageKind::Question) != ui::Answer::Yes) return;
        data_->apps().deleteRecord();
        fill();
    }

    OptionChoice options_;
    AppsData* data_ = nullptr;
    QDialog* form_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

const ModuleTraits kTraits{"toolsmaint"};

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link, TOptionList optionNames, TOptionList codes)
{
    OptionChoice options;
    try {
        options = {listOf(optionNames), listOf(codes)};
    } catch (...) {
        return 0;
    }
    return RunModule(link, kTraits, [options](ModuleContext&) { return std::make_unique<ToolsMaintenance>(options); },
                     reinterpret_cast<const void*>(&ShowDllForm));
}
