#include "picker/run_picker.h"

#include <QApplication>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "lang/form_strings.h"
#include "picker/lookup_model.h"
#include "picker/picker_dialog.h"
#include "session/session.h"
#include "settings/paths.h"
#include "settings/store_choice.h"
#include "store/database.h"
#include "store/table.h"
#include "store/tables/catalog.h"
#include "ui/message_service.h"

namespace orvant::picker {

namespace {

// Every picker's texts, one block per picker named by its code: "pickers" + LangCode.
const QString kLanguageTable = QStringLiteral("pickers");

QString text(const std::string& s) { return QString::fromStdString(s); }

store::TableDef declarationOf(const PickerTraits& traits)
{
    std::optional<store::TableDef> def = store::findTable(traits.table);
    if (!def) throw std::logic_error(std::string("No table is declared as ") + traits.table + ".");
    return *def;
}

int codeWidth(const PickerTraits& traits)
{
    const store::TableDef def = declarationOf(traits);
    const int field = def.fieldIndex(traits.codeField);
    if (field < 0) throw std::logic_error(std::string("Table ") + traits.table + " has no field " + traits.codeField + ".");
    return def.fields[static_cast<std::size_t>(field)].width;
}

std::string directoryOf(const store::TableDef& table, const Session& session)
{
    return table.home == store::TableHome::DataRoot ? session.dataRoot : session.companyDir();
}

void throwIfFailed(const LookupModel& model)
{
    if (model.failure()) std::rethrow_exception(model.failure());
}

// Shows the picker; the code of the row chosen, or nothing when the user cancelled.
std::optional<QString> pick(const TLinkSection& link, const PickerTraits& traits)
{
    const Session session = Session::fromLink(link);
    const store::TableDef declaration = declarationOf(traits);
    store::Database database(std::string(traits.code) + "db", directoryOf(declaration, session), StoreChoice(Registry::open()));
    store::Table table(database, traits.table);
    table.open();
    LookupModel model(table, traits.codeField, traits.nameField ? traits.nameField : "");
    model.setFilter({});
    throwIfFailed(model);

    PickerDialog dialog(QString::fromLatin1(traits.code), model, QApplication::activeWindow());
    lang::LoadFormStrings(dialog, kLanguageTable + text(session.langCode), LanguagesDirFor(text(session.programDir)));
    const bool chosen = dialog.exec() == QDialog::Accepted;
    throwIfFailed(model);
    if (!chosen) return std::nullopt;
    return dialog.chosenCode();
}

// Shown through the message service itself rather than the running module's exception hook,
// which would close the module's screen over a picker that could not open.
void showFailure(std::exception_ptr error) noexcept
{
    try {
        QString message = QStringLiteral("Unknown error");
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            message = QString::fromUtf8(e.what());
        } catch (...) {
        }
        ui::Messages().show({ui::MessageKind::Error, message, -1, nullptr, false});
    } catch (...) {
        // The message could not be shown either: the picker still answers as cancelled.
    }
}

// Room for the longest code of the field is checked before the user picks, so that a caller's
// short storage shows on the first try rather than with the first long code.
void requireRoom(const PickerTraits& traits, std::int32_t capacity)
{
    const int width = codeWidth(traits);
    if (capacity < width + 1)
        throw std::length_error(std::string("A code of ") + traits.table + " takes up to " + std::to_string(width + 1) +
                                " bytes; the picker was given " + std::to_string(capacity) + ".");
}

}  // namespace

std::int32_t PickCode(const TLinkSection& session, const PickerTraits& traits, char* code, std::int32_t capacity) noexcept
{
    if (code && capacity > 0) code[0] = '\0';
    try {
        requireRoom(traits, code ? capacity : 0);
        const std::optional<QString> chosen = pick(session, traits);
        if (!chosen) return 0;
        const QByteArray utf8 = chosen->toUtf8();  // an accented letter takes more than one byte
        if (utf8.size() >= capacity)
            throw std::length_error("The code " + utf8.toStdString() + " does not fit in " + std::to_string(capacity) + " bytes.");
        std::memcpy(code, utf8.constData(), static_cast<std::size_t>(utf8.size()) + 1);
        return static_cast<std::int32_t>(utf8.size());
    } catch (...) {
        showFailure(std::current_exception());
        return 0;
    }
}

std::int32_t PickNumber(const TLinkSection& session, const PickerTraits& traits) noexcept
{
    try {
        const std::optional<QString> chosen = pick(session, traits);
        return chosen ? chosen->toInt() : 0;
    } catch (...) {
        showFailure(std::current_exception());
        return 0;
    }
}

}  // namespace orvant::picker
