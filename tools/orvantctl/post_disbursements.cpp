#include "post_disbursements.h"

#include <fstream>
#include <iostream>

#include "company/company_creation.h"
#include "disbursement_import.h"
#include "lang/table_files.h"
#include "post_sales.h"
#include "settings/paths.h"

namespace orvant::ctl {

namespace {

// The disbursements screen's messages in the report's language; a missing table or line still
// says which message it is.
disbursements::DisbursementImport::MessageText messagesOf(const Registry& registry, int language)
{
    QStringList lines;
    try {
        const lang::LanguageTable table = lang::OpenLanguageTable(LanguagesDir(registry), language == 2 ? "vnddisbursefr" : "vnddisburseen");
        if (const lang::LanguageRow* row = table.find("Tvnddisburse_frm", "IntlStrings1")) lines = row->lines;
    } catch (const std::exception&) {
    }
    return [lines](int number) {
        if (number >= 0 && number < lines.size() && !lines[number].trimmed().isEmpty()) return lines[number].trimmed().toStdString();
        return "(message " + std::to_string(number) + ")";
    };
}

}  // namespace

int PostDisbursements(const company::Installation& installation, const Registry& registry, const Request& request, std::ostream& out)
{
    const std::string user = postingName(installation, request);
    std::ifstream file;
    if (request.file != "-") {
        file.open(request.file);
        if (!file) throw std::runtime_error("Cannot read " + request.file + ".");
    }
    std::istream& in = request.file == "-" ? std::cin : file;

    const auto books = company::OpenCompany(installation, request.company);
    disbursements::DisbursementBooks disbursementBooks(*books);
    disbursements::PostingContext context{request.period.value_or(disbursementBooks.settings().currentPeriod), user, {}, false};
    const disbursements::DisbursementImport::MessageText messages = messagesOf(registry, request.language);
    disbursements::DisbursementImport import(disbursementBooks, context, messages, request.allowRepeats);
    const ImportTotals totals = import.run(
        in, [&](int line, const std::string& why) { out << request.file << ":" << line << ": " << why << "\n"; },
        // Shown at once: an import that seems stuck says whom it waits for.
        [&](int line, const std::string& holder) {
            out << request.file << ":" << line << ": " << messages(disbursements::kWaitingForSupplier) << " " << holder << std::endl;
        });
    out << totals.posted << " disbursement(s) posted, " << totals.refused << " refused.\n";
    if (totals.stoppedAt != 0) {
        out << "The import stopped at line " << totals.stoppedAt << ": the store can take no more. Nothing of that disbursement or "
            << "of the ones after it was written; post the same file again once the store is back: the disbursements already "
               "posted are refused as repeats and the others are posted.\n";
        return 3;
    }
    return totals.refused == 0 ? 0 : 2;
}

}  // namespace orvant::ctl
