#include "cheque_forms.h"

#include <algorithm>

#include "run_checks.h"

namespace orvant::vndcheqprint {

namespace {

ChequeForm StartForm(const cheques::Cheque& cheque, const cheques::ChequeLayout& layout, bool continuation)
{
    ChequeForm form{&cheque, continuation, {}, {}};
    for (int heading = 1; heading <= layout.headingLines; ++heading)
        form.lines.push_back({true, heading == layout.chequeHeadingLine, nullptr});
    return form;
}

}  // namespace

std::vector<ChequeForm> LayOutForms(const std::vector<cheques::Cheque>& cheques, const cheques::ChequeLayout& layout)
{
    const std::size_t perForm = static_cast<std::size_t>(std::max(1, InvoiceLinesPerForm(layout)));
    std::vector<ChequeForm> forms;
    for (const cheques::Cheque& cheque : cheques) {
        forms.push_back(StartForm(cheque, layout, false));
        for (std::size_t i = 0; i < cheque.lines.size(); ++i) {
            if (i > 0 && i % perForm == 0) forms.push_back(StartForm(cheque, layout, true));
            forms.back().lines.push_back({false, false, &cheque.lines[i]});
        }
    }
    return forms;
}

}  // namespace orvant::vndcheqprint
