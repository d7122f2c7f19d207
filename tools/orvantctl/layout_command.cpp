#include "layout_command.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "cheque_layout_store.h"
#include "cheque_layout_text.h"
#include "company/company_creation.h"

namespace orvant::ctl {

namespace {

constexpr int kDone = 0, kRefused = 2;

std::string readAll(const std::string& file)
{
    std::ostringstream text;
    if (file == "-") {
        text << std::cin.rdbuf();
        return text.str();
    }
    std::ifstream in(file);
    if (!in) throw std::runtime_error("Cannot read " + file + ".");
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int ExportLayout(const company::Installation& installation, const Request& request, std::ostream& out)
{
    const auto books = company::OpenCompany(installation, request.company);
    const bool own = cheques::HasOwnChequeLayout(*books);
    const std::string text = cheques::LayoutToText(cheques::ReadChequeLayout(*books));
    if (request.file == "-") {
        out << text;
        return kDone;
    }
    std::ofstream file(request.file);
    file << text;
    file.close();
    if (!file) throw std::runtime_error("Cannot write " + request.file + ".");
    out << "The cheque form of company " << request.company << (own ? "" : " (the default form)") << " is written to "
        << request.file << ".\n";
    return kDone;
}

int ImportLayout(const company::Installation& installation, const Request& request, std::ostream& out)
{
    const std::string source = request.file == "-" ? "(standard input)" : request.file;
    cheques::ChequeLayout layout;
    try {
        layout = cheques::LayoutFromText(readAll(request.file));
    } catch (const cheques::LayoutTextError& unreadable) {
        out << source << ":" << unreadable.line() << ": " << unreadable.reason() << "\n";
        out << "The cheque form of company " << request.company << " is unchanged.\n";
        return kRefused;
    }
    if (const auto problems = cheques::CheckLayout(layout); !problems.empty()) {
        for (const cheques::LayoutProblem& problem : problems)
            out << source << ": " << cheques::DescribeLayoutProblem(layout, problem) << "\n";
        out << "The cheque form of company " << request.company << " is unchanged.\n";
        return kRefused;
    }
    const auto books = company::OpenCompany(installation, request.company);
    cheques::WriteChequeLayout(*books, layout);
    const std::size_t items = layout.items.size();
    out << "Company " << request.company << " prints its cheques on the form of " << source << " (" << items
        << (items == 1 ? " item" : " items") << ").\n";
    return kDone;
}

}  // namespace orvant::ctl
