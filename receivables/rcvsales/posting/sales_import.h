#pragma once
// Posting a file of sales documents, one JSON record per line, through the same checks and the
// same posting as the screen, without dialogs: what the dialogs would ask (the net amounts per
// tax rate, the holdback, the project lines) comes with each record. A document refused is
// reported with its line and reason and leaves nothing; the others are posted.

#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "books/import_run.h"
#include "sales_posting.h"
#include "sales_record.h"

namespace orvant::sales {


class SalesImport {
public:
    // The text of one of the sales screen's messages, in the language of the report.
    using MessageText = std::function<std::string(int number)>;

    // A note, adjustment or direct cash sale that looks posted already is refused unless
    // `allowRepeats`.
    SalesImport(SalesBooks& books, PostingContext context, MessageText messageText, bool allowRepeats = false);

    // Posts every record of the stream; blank lines are passed over. `refused` hears of each
    // refusal with its line number (from 1). A store that can take no more stops the import:
    // the next documents could only fail the same way.
    ImportTotals run(std::istream& in, const ImportRefused& refused);

    // One record: nothing when it is posted, else why not.
    std::optional<std::string> post(const std::string& line);
    // One record already read: its row descriptions and due date filled in as the screen fills
    // them, then checked and posted.
    std::optional<std::string> post(SalesRecord& record);

private:
    // As post(line), a store error left to the caller.
    std::optional<std::string> postLine(const std::string& line);
    std::optional<std::string> answersFor(SalesRecord& record, PostingAnswers& answers);
    std::string reason(const Refusal& refusal) const;

    SalesBooks& books_;
    SalesPosting posting_;
    PostingContext context_;
    MessageText messageText_;
};

}  // namespace orvant::sales
