#pragma once
// The life of a module between the launcher's call of ShowDllForm and its return, written once.
//
// In order: the session copy; the data module, the main form, the dialogs (the module's order),
// then the error form; the exception hook; the registry's regional settings; the date masks;
// the modal show. On the first activation of the main form: the language strings of every
// form, the status bar, the help file, LedgerCode "N" for a transaction module, the databases,
// each table opened (the first that fails says so once and closes the screen), the session's
// scratch row put into edit, the current period in the caption, then the module's own start.
// When the main form closes everything is freed and the call returns -1.
//
// A module's entry point is then a few lines:
//
//   extern "C" ORVANT_MODULE_ENTRY int32_t ShowDllForm(TLinkSection link)
//   {
//       return orvant::RunModule(link, kTraits, [](orvant::ModuleContext& c) { return std::make_unique<Sales>(c); },
//                                reinterpret_cast<const void*>(&ShowDllForm));
//   }

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "session/session.h"
#include "store/database.h"
#include "store/table.h"

#define ORVANT_MODULE_ENTRY __attribute__((visibility("default")))

class QStatusBar;

namespace orvant {

namespace ui {
class ErrorForm;
class ErrorReporter;
}  // namespace ui

// A property of the main form: false until its first activation has run (and then true,
// whether the screen started or is closing). Tools that drive a screen wait for it.
inline constexpr const char* kFirstActivationDone = "orvantFirstActivationDone";

struct ModuleTraits {
    const char* code;                      // "rcvsales": names the language tables and the databases
    bool transactionModule = false;        // LedgerCode "N" at start, "Y" while posting
    const char* periodField = nullptr;     // "Ctrl_ar_period": the caption ends with that period
    bool usesSessionRow = false;           // keeps its virmem row in edit while it runs
    const char* quickLinkButton = nullptr; // disabled while a quick link is open
};

class ModuleContext;

// The module's databases and tables. Bound when the main form first shows.
class DataModule {
public:
    virtual ~DataModule() = default;
    // Makes the module's tables (closed) over the context's databases.
    virtual void bind(ModuleContext& context) = 0;
    // The tables opened at first activation, in this order.
    virtual std::vector<store::Table*> tablesToOpen() = 0;
};

class ModuleContext {
public:
    ModuleContext(Session session, const ModuleTraits& traits, QString libraryFile);

    Session& session() { return session_; }
    const ModuleTraits& traits() const { return traits_; }
    QString languagesDir() const;
    QString helpFile() const { return helpFile_; }
    // "Company 1 - Name", the user and this library's version, in the three panels.
    const QString& libraryFile() const { return libraryFile_; }
    QString moduleVersion() const;

    // The company's database (module code + "db") and the data root's ("mydb" + code),
    // connected when first asked for: a module that creates the first company has none yet.
    store::Database& companyDatabase();
    store::Database& dataRootDatabase();
    // The session's row of virmem, in edit while the module runs (modules that use it).
    store::Table* sessionRow() { return sessionRow_.get(); }

    // The language table of this module in the session's language: code + LangCode.
    QString languageTable() const;

    // Closes the main form, so that the call returns.
    void closeScreen();

private:
    friend class ModuleRun;
    Session session_;
    const ModuleTraits& traits_;
    QString libraryFile_;
    QString helpFile_;
    QDialog* mainForm_ = nullptr;
    std::unique_ptr<store::Database> company_, dataRoot_;
    std::unique_ptr<store::Table> sessionRow_;
};

// What a module supplies: its objects, made in the frame's order.
class Module {
public:
    virtual ~Module() = default;
    virtual std::unique_ptr<DataModule> createDataModule() = 0;
    virtual std::unique_ptr<QDialog> createMainForm() = 0;
    virtual std::vector<std::unique_ptr<QWidget>> createDialogs() { return {}; }
    // The module's own steps once the common first-activation steps are done (its lists, its
    // work tables, the focus).
    virtual void started() {}
};

using ModuleFactory = std::function<std::unique_ptr<Module>(ModuleContext&)>;

// Runs the module; never lets an exception out. Returns -1 once the screen has closed.
// `entryPoint` is an address inside the module's library, to find its file and version.
std::int32_t RunModule(const TLinkSection& link, const ModuleTraits& traits, const ModuleFactory& make, const void* entryPoint) noexcept;

// The status bar's panels are its labels, in order; with exactly three, they get the company,
// the user and the version appended. Any other number is left alone.
void SetStatusBar(QStatusBar& bar, const Session& session, const QString& version);

// Every edit box of the form whose edit mask is a date mask takes the mask of the format;
// other masks (a telephone number) stay.
void ApplyDateMasks(QWidget& form, const std::string& format);
// Sets an edit box's mask in the house form ("!99/99/9999;1; ") and the Qt mask that enforces it.
void SetEditMask(QWidget& editBox, const std::string& mask);

}  // namespace orvant
