#pragma once
// Lays the forms of a run out on the company's cheque form, one page per form, as a report
// document that prints, previews and saves as PDF through the one report painter. Each layout
// item is placed from the paper's edge: on the cheque part at its own line, on a stub on every
// line of the form; field codes 1 to 21 print the cheque's values, any other text prints as it is.
// A form without a number is a specimen: no amount in figures or words, the specimen words across
// its cheque.

#include <QString>
#include <string>
#include <vector>

#include "cheque_forms.h"
#include "cheque_layout.h"
#include "money/currency_format.h"
#include "report/report_document.h"

namespace orvant::vndcheqprint {

struct FormTexts {
    std::string dateFormat;
    CurrencyFormat amounts;     // with the sign of the run's currency in use
    std::string nonNegotiable;  // the words of a void continuation form
    std::string specimen;       // across the cheque of a form without a number (a preview)
};

// The page of the layout: landscape when wider than 8.5 inches.
report::PageSetup PageOf(const cheques::ChequeLayout& layout);

report::ReportDocument PaintForms(const std::vector<ChequeForm>& forms, const cheques::ChequeLayout& layout, const FormTexts& texts,
                                  const QString& title);

// A cheque of made-up values, to line the forms up in the printer; its number is all zeros,
// taken from no counter.
struct AlignmentSample {
    std::vector<cheques::Cheque> cheques;
    std::vector<ChequeForm> forms;
};
AlignmentSample MakeAlignmentSample(const cheques::ChequeLayout& layout, const std::string& payee);

}  // namespace orvant::vndcheqprint
