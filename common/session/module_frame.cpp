#include "session/module_frame.h"

#include <dlfcn.h>

#include <QLineEdit>
#include <QStatusBar>
#include <QLabel>
#include <QTimer>

#include "dates/date_format.h"
#include "lang/form_strings.h"
#include "report/printing.h"
#include "report/screen_print.h"
#include "settings/paths.h"
#include "settings/regional.h"
#include "settings/store_choice.h"
#include "ui/error_form.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"
#include "ui/version.h"
#include "ui/window_list.h"

namespace orvant {

namespace {

QString libraryFileOf(const void* address)
{
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fname) return QString::fromLocal8Bit(info.dli_fname);
    return {};
}

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ModuleContext::ModuleContext(Session session, const ModuleTraits& traits, QString libraryFile)
    : session_(std::move(session)), traits_(traits), libraryFile_(std::move(libraryFile)),
      helpFile_(HelpFile(text(session_.programDir), session_.language, text(session_.langCode)))
{
}

QString ModuleContext::languagesDir() const { return LanguagesDirFor(text(session_.programDir)); }

store::Database& ModuleContext::companyDatabase()
{
    if (!company_)
        company_ = std::make_unique<store::Database>(std::string(traits_.code) + "db", session_.companyDir(), StoreChoice(Registry::open()));
    return *company_;
}

store::Database& ModuleContext::dataRootDatabase()
{
    if (!dataRoot_)
        dataRoot_ = std::make_unique<store::Database>("mydb" + std::string(traits_.code), session_.dataRoot, StoreChoice(Registry::open()));
    return *dataRoot_;
}

QString ModuleContext::moduleVersion() const { return ui::VersionString(libraryFile_, 4); }

QString ModuleContext::languageTable() const { return QString::fromLatin1(traits_.code) + text(session_.langCode); }

void ModuleContext::closeScreen()
{
    if (mainForm_) mainForm_->reject();
}

// One run of a module: its objects, and the first activation of its main form.
class ModuleRun : public QObject {
public:
    ModuleRun(ModuleContext& context, Module& module) : context_(context), module_(module) {}

    void create()
    {
        dataModule_ = module_.createDataModule();
        mainForm_ = module_.createMainForm();
        dialogs_ = module_.createDialogs();
        errorForm_ = std::make_unique<ui::ErrorForm>();
        connect(errorForm_.get(), &ui::ErrorForm::printRequested, errorForm_.get(), ui::Guarded([this] { printErrorForm(); }));
        context_.mainForm_ = mainForm_.get();
    }

    void run()
    {
        ui::ErrorReporter reporter(*errorForm_, context_.session().language, [this] { context_.closeScreen(); });
        ApplyRegionalSettings(Registry::open());
        SetAmountLanguage(context_.session().language);
        for (QWidget* form : forms()) ApplyDateMasks(*form, ShortDateFormat());

        // The first activation runs inside the modal loop, so that closing the screen from it
        // ends the loop.
        auto* firstActivation = new QTimer(mainForm_.get());
        firstActivation->setSingleShot(true);
        mainForm_->setProperty(kFirstActivationDone, false);
        connect(firstActivation, &QTimer::timeout, mainForm_.get(), [this] {
            activateOrClose();
            mainForm_->setProperty(kFirstActivationDone, true);
        });
        firstActivation->start(0);
        mainForm_->exec();
        context_.mainForm_ = nullptr;
    }

private:
    std::vector<QWidget*> forms() const
    {
        std::vector<QWidget*> all{mainForm_.get()};
        for (const auto& dialog : dialogs_) all.push_back(dialog.get());
        all.push_back(errorForm_.get());
        return all;
    }

    // A module that could not finish its first activation must not be worked in half set up.
    void activateOrClose() noexcept
    {
        try {
            activate();
        } catch (...) {
            ui::HandleException(std::current_exception());
            context_.closeScreen();
        }
    }

    void activate()
    {
        Session& session = context_.session();
        for (QWidget* form : forms()) lang::LoadFormStrings(*form, context_.languageTable(), context_.languagesDir());
        if (auto* bar = mainForm_->findChild<QStatusBar*>()) SetStatusBar(*bar, session, context_.moduleVersion());
        if (context_.traits().transactionModule) session.ledgerCode = "N";
        dataModule_->bind(context_);
        if (!openTables()) return;
        if (context_.traits().usesSessionRow) holdSessionRow();
        if (context_.traits().periodField) showPeriod();
        if (context_.traits().quickLinkButton && ui::QuickLinkOpen())
            if (auto* button = mainForm_->findChild<QWidget*>(QString::fromLatin1(context_.traits().quickLinkButton)))
                button->setEnabled(false);
        module_.started();
    }

    // An image of the error form on the session's printer.
    void printErrorForm()
    {
        const int printer = QString::fromStdString(context_.session().printerIndex).toInt();
        report::printReport(report::documentFromWidget(errorForm_.get()), errorForm_.get(), printer, false);
    }

    // The first table that cannot be opened says so, once, and the screen closes.
    bool openTables()
    {
        const int language = context_.session().language;
        for (store::Table* table : dataModule_->tablesToOpen()) {
            const bool opened = store::OpenTableOrClose(
                *table, language,
                [](const std::string& message) {
                    ui::Messages().show({ui::MessageKind::Error, QString::fromStdString(message), -1, nullptr, false});
                },
                [this] { context_.closeScreen(); });
            if (!opened) return false;
        }
        return true;
    }

    void holdSessionRow()
    {
        auto row = std::make_unique<store::Table>(context_.dataRootDatabase(), "virmem");
        row->open();
        const int number = context_.session().sessionNo;
        if (!row->findKey({number})) {
            row->insert();
            row->field("Session_id") = number;
            row->post();
            row->findKey({number});
        }
        row->edit();
        context_.sessionRow_ = std::move(row);
    }

    void showPeriod()
    {
        store::Table control(context_.companyDatabase(), "ctrl");
        control.open();
        control.first();
        const auto period = control.field(context_.traits().periodField).asInt();
        store::Table periods(context_.companyDatabase(), "Periods");
        periods.open();
        const QString month = periods.findKey({period}) ? text(periods.field("Period_mth").asString()) : QString();
        // Language tables keep no trailing blank, so the caption is given one before the period.
        QString caption = mainForm_->windowTitle();
        if (!caption.isEmpty() && !caption.back().isSpace()) caption += u' ';
        mainForm_->setWindowTitle(caption + QString::number(period) + QStringLiteral(" : ") + month);
    }

    ModuleContext& context_;
    Module& module_;
    std::unique_ptr<DataModule> dataModule_;
    std::unique_ptr<QDialog> mainForm_;
    std::vector<std::unique_ptr<QWidget>> dialogs_;
    std::unique_ptr<ui::ErrorForm> errorForm_;
};

std::int32_t RunModule(const TLinkSection& link, const ModuleTraits& traits, const ModuleFactory& make, const void* entryPoint) noexcept
{
    try {
        ModuleContext context(Session::fromLink(link), traits, libraryFileOf(entryPoint));
        const std::unique_ptr<Module> module = make(context);
        ModuleRun run(context, *module);
        run.create();
        run.run();
    } catch (...) {
        ui::HandleException(std::current_exception());
    }
    return -1;
}

void SetStatusBar(QStatusBar& bar, const Session& session, const QString& version)
{
    const QList<QLabel*> panels = bar.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    if (panels.size() != 3) return;
    // "Company 1 - Orvant Demo Inc.": the panel's caption, a blank, then what it shows.
    const auto show = [](QLabel* panel, const QString& value) {
        const QString caption = panel->text().trimmed();
        panel->setText(caption.isEmpty() ? value : caption + u' ' + value);
    };
    show(panels[0], text(session.companyCode) + QStringLiteral(" - ") + text(session.companyName));
    show(panels[1], text(session.userName));
    show(panels[2], version);
}

namespace {
const char* const kEditMask = "editMask";
}

void SetEditMask(QWidget& editBox, const std::string& mask)
{
    editBox.setProperty(kEditMask, QString::fromStdString(mask));
    if (auto* line = qobject_cast<QLineEdit*>(&editBox)) line->setInputMask(QString::fromStdString(QtInputMaskFor(mask)));
}

void ApplyDateMasks(QWidget& form, const std::string& format)
{
    for (QLineEdit* box : form.findChildren<QLineEdit*>()) {
        const QVariant mask = box->property(kEditMask);
        if (mask.isValid() && IsDateMask(mask.toString().toStdString())) SetEditMask(*box, DateMaskFor(format));
    }
}

}  // namespace orvant
