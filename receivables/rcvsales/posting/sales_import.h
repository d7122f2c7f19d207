#pragma once
// Posting a file of sales documents, one JSON record per line, through the same checks and the
// same posting as the screen, without dialogs: what the dialogs would ask (the net amounts per
// tax rate, the holdback, the project lines) comes with each record. A document refused is
// reported with its line and reason and leaves nothing; the others are posted.

#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "sales_posting.h"
#include "sales_record.h"

namespace orvant::sales {

struct ImportTotals {
    int posted = 0;
    int refused = 0;
};

class SalesImport {
public:
    // The text of one of the sales screen's messages, in the language of the report.
    using MessageText = std::function<std::string(int number)>;

    SalesImport(SalesBooks& books, PostingContext context, MessageText messageText);

    // Posts every record of the stream; blank lines are passed over. `refused` hears of each
    // refusal with its line number (from 1).
    ImportTotals run(std::istream& in, const std::function<void(int line, const std::string& why)>& refused);

    // One record: nothing when it is posted, else why not.
    std::optional<std::string> post(const std::string& line);

private:
    std::optional<std::string> post(SalesRecord& record);
    std::optional<std::string> answersFor(SalesRecord& record, PostingAnswers& answers);
    std::string reason(const Refusal& refusal) const;

    SalesBooks& books_;
    SalesPosting posting_;
    PostingContext context_;
    MessageText messageText_;
};

}  // namespace orvant::sales
