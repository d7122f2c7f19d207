#include "aging_command.h"

#include <QGuiApplication>
#include <charconv>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "aging/aging_report.h"
#include "aging/aging_screen_ledger.h"
#include "company/company_creation.h"
#include "lang/table_files.h"
#include "report/csv_export.h"
#include "report/pdf_export.h"
#include "settings/paths.h"
#include "settings/store_choice.h"
#include "store/error.h"
#include "store/table.h"

namespace orvant::ctl {

const char* const kAgingUsage =
    "  aging [--company N] [--layout detail|summary] [--date YYYY-MM-DD] [--older-than 1-5|all]\n"
    "        [--from CODE] [--to CODE] [--territory CODE] [--order code|salesrep]\n"
    "        [--convert-to 0-4|none] [--currency 0-4|all] [--due-date] [--subsequent]\n"
    "        [--zero-balance] [--history] [--address] [--comments] [--language 1|2] [--payables]\n"
    "        --pdf FILE | --csv FILE\n"
    "                           the aging of the clients' accounts (of the suppliers' with\n"
    "                           --payables, which take no territory, order or address) at the\n"
    "                           date (default today), as the aging screen prints it: detailed\n"
    "                           (default) or summary, amounts converted into a currency by\n"
    "                           number (0 the home currency) or kept as they are with one total\n"
    "                           per currency; exit status 2 when refused\n";

namespace {

const std::set<std::string> kFlags{"--due-date", "--subsequent", "--zero-balance", "--history", "--address", "--comments", "--payables"};
const std::set<std::string> kValued{"--data-root", "--company", "--layout", "--date", "--older-than", "--from", "--to", "--territory",
                                    "--order", "--convert-to", "--currency", "--language", "--pdf", "--csv"};

struct AgingCall {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::string error;

    std::optional<std::string> value(const std::string& name) const
    {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool flag(const char* name) const { return flags.contains(name); }
};

AgingCall readCall(const std::vector<std::string>& arguments)
{
    AgingCall call;
    for (std::size_t i = 0; i < arguments.size() && call.error.empty(); ++i) {
        const std::string& a = arguments[i];
        if (a == "aging") continue;
        const auto equals = a.find('=');
        const std::string name = a.substr(0, equals);
        if (kFlags.contains(name) && equals == std::string::npos) {
            call.flags.insert(name);
        } else if (kValued.contains(name)) {
            std::string value = equals != std::string::npos ? a.substr(equals + 1) : i + 1 < arguments.size() ? arguments[++i] : "";
            if (value.empty()) call.error = name + " needs a value.";
            call.values[name] = value;
        } else {
            call.error = (a.starts_with("--") ? "Unknown option " : "Unexpected argument ") + a + " for aging.";
        }
    }
    if (call.error.empty() && call.values.contains("--pdf") == call.values.contains("--csv"))
        call.error = "aging writes one file: give --pdf FILE or --csv FILE.";
    return call;
}

std::optional<int> number(const std::string& text, int least, int most)
{
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < least || n > most) return std::nullopt;
    return n;
}

// A choice of a number within bounds, or the word that means none.
std::string readChoice(const AgingCall& call, const char* name, int least, int most, const char* none, std::optional<int>& into)
{
    const auto given = call.value(name);
    if (!given || *given == none) return {};
    into = number(*given, least, most);
    if (!into) return std::string(name) + " takes " + std::to_string(least) + " to " + std::to_string(most) + " or " + none + ".";
    return {};
}

std::string readOptions(const AgingCall& call, aging::AgingOptions& o)
{
    o.reportDate = Date::today();
    if (const auto date = call.value("--date")) {
        const auto read = Date::fromIso(*date);
        if (!read) return "--date takes a date written YYYY-MM-DD.";
        o.reportDate = *read;
    }
    std::optional<int> olderThan;
    for (const std::string& fault : {readChoice(call, "--older-than", 1, aging::kBuckets, "all", olderThan),
                                     readChoice(call, "--convert-to", 0, aging::kCurrencies - 1, "none", o.convertTo),
                                     readChoice(call, "--currency", 0, aging::kCurrencies - 1, "all", o.onlyCurrency)})
        if (!fault.empty()) return fault;
    o.olderThan = olderThan.value_or(0);
    o.fromCode = call.value("--from").value_or("");
    o.toCode = call.value("--to").value_or("");
    if (!o.toCode.empty() && o.toCode < o.fromCode) return "--from comes after --to.";
    o.territory = call.value("--territory").value_or("");
    const std::string order = call.value("--order").value_or("code");
    if (order != "code" && order != "salesrep") return "--order takes code or salesrep.";
    o.bySalesRep = order == "salesrep";
    o.fromDueDate = call.flag("--due-date");
    o.includeSubsequent = call.flag("--subsequent");
    o.history = call.flag("--history");
    o.keepZeroBalance = call.flag("--zero-balance") && !o.history;
    return {};
}

std::string dataRootOf(const AgingCall& call, const Registry& registry)
{
    const auto given = call.value("--data-root");
    if (!given) return DataRoot(registry).toStdString();
    std::string path = std::filesystem::absolute(*given).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The layout's texts and the type names from the aging screen's table of the ledger in the
// language; the English defaults where the table is missing.
void readTexts(const Registry& registry, int language, const aging::AgingScreenLedger& kind, bool detailed,
               aging::AgingLayoutTexts& texts, QStringList& types)
{
    lang::LanguageTable table{QString()};
    try {
        table = lang::OpenLanguageTable(LanguagesDir(registry), kind.languageTable(language));
    } catch (const std::exception&) {
    }
    texts = aging::AgingLayoutTexts::fromTable(table, kind, detailed);
    if (const lang::LanguageRow* messages = table.find(kind.formName(), "IntlStrings1")) types = messages->lines.mid(0, 6);
    if (types.size() < 6) types = kind.defaultTypeNames();
}

std::string companyName(const company::Installation& installation, int number)
{
    const auto root = company::OpenDataRoot(installation);
    store::Table companies(*root, "comp");
    companies.open();
    return companies.findKey({number}) ? companies.field("Comp_Name").asString() : std::string();
}

// Drawing a PDF needs a GUI application; a terminal without a display gets the offscreen one.
std::unique_ptr<QGuiApplication> guiForDrawing()
{
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvantctl";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int run(const AgingCall& call, std::ostream& out, std::ostream& err)
{
    aging::AgingOptions options;
    if (const std::string fault = readOptions(call, options); !fault.empty()) {
        err << "orvantctl: " << fault << "\n";
        return 2;
    }
    const auto company = number(call.value("--company").value_or("1"), 1, company::kLastCompanyNumber);
    const auto language = number(call.value("--language").value_or("1"), 1, 2);
    const std::string layout = call.value("--layout").value_or("detail");
    if (!company || !language || (layout != "detail" && layout != "summary")) {
        err << "orvantctl: --company takes a company number, --language 1 or 2, --layout detail or summary.\n";
        return 2;
    }
    const auto& kind = call.flag("--payables") ? aging::AgingScreenLedger::payables() : aging::AgingScreenLedger::receivables();
    const auto& ledger = kind.ledger;
    if (!kind.territories && (options.bySalesRep || !options.territory.empty())) {
        err << "orvantctl: --territory and --order salesrep are for the clients' aging.\n";
        return 2;
    }
    const Registry registry = Registry::open();
    const company::Installation installation{dataRootOf(call, registry), StoreChoice(registry)};
    const auto books = company::OpenCompany(installation, *company);
    const auto gui = guiForDrawing();

    aging::AgingReportSetup setup;
    setup.detailed = layout == "detail";
    setup.withAddress = kind.addresses && setup.detailed && call.flag("--address");
    setup.withTelephone = kind.telephone;
    setup.withComments = call.flag("--comments");
    setup.companyName = QString::fromStdString(companyName(installation, *company));
    setup.userName = QStringLiteral("orvantctl");
    setup.printedAt = DateTime::now();
    setup.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
    setup.language = *language == 2 ? AmountLanguage::French : AmountLanguage::English;
    setup.currencyAlign = registry.value(kSettingsSection, u"CurrAlign", "L").toStdString();
    aging::AgingLayoutTexts texts;
    readTexts(registry, *language, kind, setup.detailed, texts, setup.typeNames);

    const std::string homeSign = registry.value(kSettingsSection, u"CurrSmbl", "$").toStdString();
    aging::AgingRun agingRun(*books, ledger, aging::ReadAgingControl(*books, ledger, homeSign), options);
    const report::ReportDocument document = aging::BuildAgingReport(agingRun, texts, setup);
    const auto pdf = call.value("--pdf");
    const QString path = QString::fromStdString(pdf ? *pdf : *call.value("--csv"));
    const report::OutputResult written = pdf ? report::exportPdf(document, path) : report::exportCsv(document, path);
    if (!written.ok()) {
        err << "orvantctl: " << written.message.toStdString() << "\n";
        return 2;
    }
    out << "Aging of company " << *company << " at " << options.reportDate.toIso() << ": " << document.table.rows.size()
        << " line(s) on " << document.pageCount() << " page(s) written to " << path.toStdString() << ".\n";
    return 0;
}

}  // namespace

bool IsAgingCommand(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (!a.starts_with("--")) return a == "aging";
        if (a.find('=') == std::string::npos && !kFlags.contains(a) && a != "--allow-repeats") ++i;  // skip its value
    }
    return false;
}

int RunAgingCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    for (const std::string& a : arguments) {
        if (a == "--help" || a == "-h") {
            out << "Usage: orvantctl [--data-root DIR] aging OPTIONS\n" << kAgingUsage;
            return 0;
        }
    }
    const AgingCall call = readCall(arguments);
    if (!call.error.empty()) {
        err << "orvantctl: " << call.error << "\n\nUsage: orvantctl [--data-root DIR] aging OPTIONS\n" << kAgingUsage;
        return 2;
    }
    try {
        return run(call, out, err);
    } catch (const aging::ZeroRate& refused) {
        err << "orvantctl: the currency " << refused.currencyName() << " (" << refused.currency()
            << ") has no exchange rate; no amount of it can be converted.\n";
    } catch (const store::StoreError& e) {
        err << "orvantctl: store error: " << e.what() << "\n";
    } catch (const std::exception& e) {
        err << "orvantctl: " << e.what() << "\n";
    }
    return 2;
}

}  // namespace orvant::ctl
