// Company creation: the next company number, a name, and the company's books made whole (its
// directory with every table, a control record and periods) before it is listed.

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "company/company_creation.h"
#include "session/module_frame.h"
#include "settings/store_choice.h"
#include "store/table.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

using namespace orvant;

// Messages of the form: 0 created, 1 a name is needed.
enum Message { kCreated = 0, kNameNeeded = 1 };

class CompaniesData : public DataModule {
public:
    void bind(ModuleContext& context) override { companies_ = std::make_unique<store::Table>(context.dataRootDatabase(), "comp"); }
    std::vector<store::Table*> tablesToOpen() override { return {companies_.get()}; }

    int nextNumber()
    {
        companies_->refresh();
        companies_->last();
        return companies_->hasRecord() ? static_cast<int>(companies_->field("Comp_Code").asInt()) + 1 : 1;
    }

private:
    std::unique_ptr<store::Table> companies_;
};

QPushButton* button(const char* name, const char* caption, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

class CompanyCreation : public Module {
public:
    explicit CompanyCreation(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override
    {
        auto data = std::make_unique<CompaniesData>();
        data_ = data.get();
        return data;
    }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<QDialog>();
        form_ = form.get();
        form->setObjectName("Tcmpcreate_frm");
        form->setWindowTitle("New company");
        number_ = new QLabel(form.get());
        number_->setObjectName("CompanyNumber");
        name_ = new QLineEdit(form.get());
        name_->setObjectName("CompanyName");
        name_->setMaxLength(60);
        auto* messages = new QPlainTextEdit(form.get());
        messages->setObjectName("IntlStrings1");
        messages->hide();
        auto* create = button("CreateButton", "&Create", form.get());
        auto* cancel = button("CancelButton", "Cancel", form.get());
        create->setDefault(true);
        QObject::connect(create, &QPushButton::clicked, form.get(), ui::Guarded([this] { createCompany(); }));
        QObject::connect(cancel, &QPushButton::clicked, form.get(), &QDialog::reject);

        auto* fields = new QFormLayout;
        auto* numberLabel = new QLabel("Company number:", form.get());
        numberLabel->setObjectName("NumberLabel");
        auto* nameLabel = new QLabel("Company &name:", form.get());
        nameLabel->setObjectName("NameLabel");
        nameLabel->setBuddy(name_);
        fields->addRow(numberLabel, number_);
        fields->addRow(nameLabel, name_);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(create);
        buttons->addWidget(cancel);
        auto* layout = new QVBoxLayout(form.get());
        layout->addLayout(fields);
        layout->addLayout(buttons);
        return form;
    }

    void started() override
    {
        number_->setText(QString::number(data_->nextNumber()));
        name_->setFocus();
    }

private:
    void createCompany()
    {
        const QString name = name_->text().trimmed();
        if (name.isEmpty()) {
            ui::ShowFormMessage(*form_, kNameNeeded, ui::MessageKind::Warning);
            name_->setFocus();
            return;
        }
        const Session& s = context_.session();
        const company::Installation installation{s.dataRoot, StoreChoice(Registry::open())};
        try {
            company::CreateCompany(installation, number_->text().toInt(), name.toStdString());
        } catch (const company::SetupError& e) {
            ui::Messages().show({ui::MessageKind::Warning, QString::fromStdString(e.what()), -1, form_, false});
            started();
            return;
        }
        ui::ShowFormMessage(*form_, kCreated);
        form_->accept();
    }

    ModuleContext& context_;
    CompaniesData* data_ = nullptr;
    QDialog* form_ = nullptr;
    QLabel* number_ = nullptr;
    QLineEdit* name_ = nullptr;
};

const ModuleTraits kTraits{"cmpcreate"};

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return RunModule(link, kTraits, [](ModuleContext& c) { return std::make_unique<CompanyCreation>(c); },
                     reinterpret_cast<const void*>(&ShowDllForm));
}
