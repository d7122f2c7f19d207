// A small module for the frame's tests: a main form with a status bar, date and telephone
// boxes, a message list and buttons that fail in each way a module can fail, one dialog, and a
// data module over a company table, the control record and a data-root table. It writes what
// it does into the application's "frametest.log" property, which the tests read.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <stdexcept>

#include "session/module_frame.h"
#include "ui/error_reporting.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

using namespace orvant;

void note(const QString& what)
{
    QStringList log = qApp->property("frametest.log").toStringList();
    log << what;
    qApp->setProperty("frametest.log", log);
}

class FrameTestData : public DataModule {
public:
    FrameTestData() { note("data module"); }

    void bind(ModuleContext& context) override
    {
        store::Database& company = context.companyDatabase();
        store::Database& dataRoot = context.dataRootDatabase();
        clients_ = std::make_unique<store::Table>(company, "cli");
        control_ = std::make_unique<store::Table>(company, "ctrl.DB");
        terms_ = std::make_unique<store::Table>(dataRoot, "arterms");
        if (qApp->property("frametest.missingTable").toBool()) missing_ = std::make_unique<store::Table>(company, "VatTmp77");
    }

    std::vector<store::Table*> tablesToOpen() override
    {
        std::vector<store::Table*> tables{clients_.get()};
        if (missing_) tables.push_back(missing_.get());
        tables.push_back(control_.get());
        tables.push_back(terms_.get());
        return tables;
    }

    store::Table& clients() { return *clients_; }
    bool controlOpen() const { return control_->isOpen(); }

private:
    std::unique_ptr<store::Table> clients_, control_, terms_, missing_;
};

QPushButton* button(const char* name, QWidget* parent, QLayout* layout)
{
    auto* b = new QPushButton(QString::fromLatin1(name), parent);
    b->setObjectName(QString::fromLatin1(name));
    layout->addWidget(b);
    return b;
}

class FrameTestModule : public Module {
public:
    explicit FrameTestModule(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override
    {
        auto data = std::make_unique<FrameTestData>();
        data_ = data.get();
        return data;
    }

    std::unique_ptr<QDialog> createMainForm() override
    {
        note("main form");
        auto form = std::make_unique<QDialog>();
        form->setObjectName("Tframetest_frm");
        form->setWindowTitle("Design caption ");
        auto* layout = new QVBoxLayout(form.get());
        auto* label = new QLabel("Design client", form.get());
        label->setObjectName("ClientLabel");
        layout->addWidget(label);
        addMaskedBox("DateBox", "!99/99/9999;1; ", form.get(), layout);
        addMaskedBox("PhoneBox", "!(999) 000-0000;1;_", form.get(), layout);
        auto* messages = new QPlainTextEdit(form.get());
        messages->setObjectName("IntlStrings1");
        messages->hide();
        connect(button("StoreErrorButton", form.get(), layout), [] {
            throw store::StoreError(store::errc::kKeyViolation, "Key violation on cli.");
        });
        connect(button("LockButton", form.get(), layout), [this] {
            data_->clients().findKey({"ABC100"});
            data_->clients().edit();
        });
        connect(button("OtherButton", form.get(), layout), [] { throw std::runtime_error("Something unexpected"); });
        connect(button("CloseButton", form.get(), layout), [f = form.get()] { f->accept(); });
        button("QuickLinkButton", form.get(), layout);
        auto* bar = new QStatusBar(form.get());
        for (const char* panel : {"Company: ", "User: ", "Version: "}) bar->addPermanentWidget(new QLabel(panel, bar));
        layout->addWidget(bar);
        return form;
    }

    std::vector<std::unique_ptr<QWidget>> createDialogs() override
    {
        note("dialogs");
        auto dialog = std::make_unique<QDialog>();
        dialog->setObjectName("Tframetest_dlg");
        dialog->setWindowTitle("Design dialog");
        addMaskedBox("DialogDateBox", "99/99/9999", dialog.get(), new QVBoxLayout(dialog.get()));
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.push_back(std::move(dialog));
        return dialogs;
    }

    void started() override
    {
        bool errorForm = false;
        for (QWidget* w : QApplication::topLevelWidgets()) errorForm = errorForm || w->objectName() == "TErrorForm";
        note(QString("started: error form %1, control %2, ledger %3")
                 .arg(errorForm ? "made" : "missing", data_->controlOpen() ? "open" : "closed",
                      QString::fromStdString(context_.session().ledgerCode)));
    }

private:
    template <typename Signal>
    static void connect(QPushButton* b, Signal handler)
    {
        QObject::connect(b, &QPushButton::clicked, b, ui::Guarded([handler](bool) { handler(); }));
    }

    static void addMaskedBox(const char* name, const char* mask, QWidget* parent, QLayout* layout)
    {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QString::fromLatin1(name));
        SetEditMask(*box, mask);
        layout->addWidget(box);
    }

    ModuleContext& context_;
    FrameTestData* data_ = nullptr;
};

const ModuleTraits kTraits{"frametest", true, "Ctrl_ar_period", true, "QuickLinkButton"};

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return RunModule(link, kTraits, [](ModuleContext& c) { return std::make_unique<FrameTestModule>(c); },
                     reinterpret_cast<const void*>(&ShowDllForm));
}
