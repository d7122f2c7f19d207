#pragma once
// A client or supplier inquiry without its widgets: the list of parties a filter keeps, the
// party chosen with its master record and the lists that name its codes, its statement
// (current ledger or history) with a running balance, the aging graph of its current ledger,
// and the document behind a statement line. Nothing is ever written.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "inquiry/aging_graph.h"
#include "inquiry/document_previews.h"
#include "inquiry/party_filter.h"
#include "inquiry/statement.h"
#include "inquiryscreen/inquiry_party.h"
#include "report/report_output.h"
#include "shared/choice_lists.h"
#include "shared/record_editor.h"
#include "ui/message_service.h"

namespace orvant::masters {

// The tabs, in their order on the form.
enum class InquiryTab { List, General, Control, Comments, Statement, Graph };

// What the screen asks of its form.
class InquiryHost {
public:
    virtual ~InquiryHost() = default;
    virtual ui::Answer message(int number, ui::MessageKind kind) = 0;
    // The list, the party, the statement and the graph shown again.
    virtual void refresh() = 0;
    // The list of parties shown again: it changed (the screen started, a filter read).
    virtual void showParties() = 0;
    virtual void showTab(InquiryTab tab) = 0;
    // A document printed (through the print dialog first when asked) or previewed.
    virtual void send(report::ReportOutput how, const report::ReportDocument& document, bool printDialog) = 0;
};

// A master record as read, field by field; names compare without regard to case.
class PartyRecord : public RecordView {
public:
    store::Value value(const std::string& field) const override;
    void read(store::Database& company, const InquiryParty& party, const std::string& code);
    void clear() { fields_.clear(); }

private:
    std::map<std::string, store::Value> fields_;  // by the field's name in lower case
};

struct InquirySetup {
    std::string homeCurrencyName = "Default";
    inquiry::ParameterNotation notation;
    inquiry::PreviewTexts texts;
    inquiry::PreviewSetup preview;
    std::function<Date()> today = &Date::today;
};

class InquiryScreen {
public:
    // `dataRoot` holds what every company shares (the terms an invoice names).
    InquiryScreen(store::Database& company, store::Database& dataRoot, InquiryHost& host, const InquiryParty& party, InquirySetup setup);

    // Every party in code order, the first chosen, the list shown.
    void start();

    const InquiryParty& party() const { return party_; }
    int taxSystem() const { return taxSystem_; }
    const std::vector<inquiry::PartyListRow>& parties() const { return parties_; }
    // The row of the party chosen; -1 while the list is empty.
    int current() const { return current_; }
    const RecordView& record() const { return record_; }

    // The filter: the entry and operator by their index in their lists. A filter that cannot
    // be read says so and keeps the list.
    void filter(int field, int op, const std::string& parameter);

    // Moving in the list. Every move to another party shows its current ledger again.
    void choose(int row);
    void first() { choose(0); }
    void last() { choose(static_cast<int>(parties_.size()) - 1); }
    void prior() { choose(current_ - 1); }
    void next() { choose(current_ + 1); }

    InquiryTab tab() const { return tab_; }
    void tabChanged(InquiryTab tab);

    // The box that shows the current ledger (ticked) or its history: on the statement tab only,
    // and only where the history is kept.
    bool historyBoxShown() const { return historyKept_ && tab_ == InquiryTab::Statement; }
    bool currentShown() const { return currentShown_; }
    void showCurrent(bool current);

    const std::vector<inquiry::StatementLine>& statement() const { return statement_; }
    // The message that names an entry type.
    int typeMessage(const std::string& type) const { return inquiry::TypeMessage(type, ledger_); }
    // The document behind statement line `row`, previewed; message 6 when it is not kept.
    void detail(int row);

    const inquiry::AgingGraph& graph() const { return graph_; }
    // The chart printed, `title` after the party's name.
    void printGraph(const QString& title, bool printDialog);

    // The Control information tab: the entries of the lists, and what names the party's codes.
    const ChoiceList& currencies() const { return currencies_; }
    std::optional<int> currencyIndex() const;
    std::string priceListName() const;    // the client's
    std::string bankAccountName() const;  // the supplier's
    // The party's language by its name; a key the data root does not know, as stored.
    std::string languageName() const;
    // Under taxes per rate, one line per rate, ticked as the client's field says.
    const std::vector<TaxLine>& taxLines() const { return taxLines_; }
    bool taxLineTicked(int line) const;

private:
    void readControl();
    void readLedger();

    store::Database& company_;
    store::Database& dataRoot_;
    InquiryHost& host_;
    const InquiryParty& party_;
    const inquiry::InquiryLedger& ledger_;
    InquirySetup setup_;
    int taxSystem_ = 0;
    bool historyKept_ = false;
    ChoiceList currencies_, priceLists_, languages_;
    std::vector<TaxLine> taxLines_;
    std::vector<inquiry::PartyListRow> parties_;
    int current_ = -1;
    PartyRecord record_;
    InquiryTab tab_ = InquiryTab::List;
    bool currentShown_ = true;
    std::vector<inquiry::StatementLine> statement_;
    inquiry::AgingGraph graph_;
};

}  // namespace orvant::masters
