#include "post_purchases.h"

#include <fstream>
#include <iostream>

#include "company/company_creation.h"
#include "lang/table_files.h"
#include "post_sales.h"
#include "purchase_import.h"
#include "settings/paths.h"
#include "settings/regional.h"

namespace orvant::ctl {

namespace {

// The purchases screen's messages in the report's language; a missing table or line still says
// which message it is.
purchases::PurchaseImport::MessageText messagesOf(const Registry& registry, int language)
{
    QStringList lines;
    try {
        const lang::LanguageTable table =
            lang::OpenLanguageTable(LanguagesDir(registry), language == 2 ? "vndpurchasesfr" : "vndpurchasesen");
        if (const lang::LanguageRow* row = table.find("Tvndpurchases_frm", "IntlStrings1")) lines = row->lines;
    } catch (const std::exception&) {
    }
    return [lines](int number) {
        if (number >= 0 && number < lines.size() && !lines[number].isEmpty()) return lines[number].toStdString();
        return "(message " + std::to_string(number) + ")";
    };
}

}  // namespace

int PostPurchases(const company::Installation& installation, const Registry& registry, const Request& request, std::ostream& out)
{
    const std::string user = postingName(installation, request);
    std::ifstream file;
    if (request.file != "-") {
        file.open(request.file);
        if (!file) throw std::runtime_error("Cannot read " + request.file + ".");
    }
    std::istream& in = request.file == "-" ? std::cin : file;

    const auto books = company::OpenCompany(installation, request.company);
    purchases::PurchaseBooks purchaseBooks(*books, JobCostEnabled(registry, QString::fromStdString(installation.dataRoot)));
    const auto messageText = messagesOf(registry, request.language);
    purchases::PostingContext context{request.period.value_or(purchaseBooks.settings().currentPeriod), user,
                                      messageText(purchases::kProjectPurchaseDescription), {}};
    purchases::PurchaseImport import(purchaseBooks, context, messageText, request.allowRepeats);
    const ImportTotals totals = import.run(in, [&](int line, const std::string& why) {
        out << request.file << ":" << line << ": " << why << "\n";
    });
    out << totals.posted << " document(s) posted, " << totals.refused << " refused.\n";
    if (totals.stoppedAt != 0) {
        out << "The import stopped at line " << totals.stoppedAt << ": the store can take no more. Nothing of that document or "
            << "of the ones after it was written; post the same file again once the store is back: the documents already "
               "posted are refused as repeats and the others are posted.\n";
        return 3;
    }
    return totals.refused == 0 ? 0 : 2;
}

}  // namespace orvant::ctl
