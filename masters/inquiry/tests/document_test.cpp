#include <gtest/gtest.h>

#include "company/company_creation.h"
#include "inquiry/document_locator.h"
#include "inquiry/document_previews.h"
#include "inquiry/document_sheet.h"
#include "inquiry/invoice_reprint.h"
#include "inquiry_books.h"

namespace orvant::inquiry {
namespace {

using testing::InquiryBooksTest;

class DocumentTest : public InquiryBooksTest {
protected:
    // The line of the party's statement with that invoice and reference.
    StatementLine line(const InquiryLedger& ledger, const char* party, bool history, const char* invoice, const char* ref)
    {
        for (const StatementLine& l : ReadStatement(*books_, ledger, party, history))
            if (l.invoice == invoice && l.reference == ref) return l;
        ADD_FAILURE() << "no line " << invoice << "/" << ref << " at " << party;
        return {};
    }

    report::ReportDocument preview(const InquiryLedger& ledger, const StatementLine& l)
    {
        const DocumentLocation where = DocumentLocator(*books_, ledger).locate(l);
        PreviewSetup setup;
        setup.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
        setup.amountText = [](Money m) { return QString::fromStdString(m.toString()); };
        setup.stampText = [](DateTime t) { return QString::fromStdString(t.toIso()); };
        setup.paymentNames = ReadPaymentNames(*books_);
        const auto dataRoot = company::OpenDataRoot(installation_);
        return BuildPreview(*books_, *dataRoot, ledger, where, PreviewTexts::defaults(ledger), setup);
    }

    // The texts of each detail line of a preview, in order.
    static std::vector<QStringList> details(const report::ReportDocument& document)
    {
        std::vector<QStringList> rows;
        for (const report::Band* band : document.bandsOf(report::BandKind::Detail)) rows.push_back(band->texts());
        return rows;
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(DocumentTest);

TEST_P(DocumentTest, each_statement_line_finds_its_own_partys_document)
{
    const InquiryLedger& clients = InquiryLedger::receivables();
    const InquiryLedger& suppliers = InquiryLedger::payables();
    const struct {
        const InquiryLedger& ledger;
        const char* party;
        bool history;
        const char* invoice;
        const char* ref;
        DocumentKind kind;
    } cases[] = {
        {clients, "C100", false, "1001", "", DocumentKind::Entered},  // C200's archived 1001 is not C100's
        {clients, "C100", false, "1001", "R1", DocumentKind::Payment},
        {clients, "C100", false, "1001", "R2", DocumentKind::Entered},
        {clients, "C100", true, "0900", "", DocumentKind::Entered},
        {clients, "C100", true, "0900", "P0900", DocumentKind::None},  // a payment without its receipt
        {clients, "C200", false, "1001", "", DocumentKind::ArchivedInvoice},
        {clients, "C300", false, "3001", "", DocumentKind::CurrentInvoice},
        {suppliers, "S100", false, "A1", "", DocumentKind::Entered},
        {suppliers, "S100", false, "A1", "1001", DocumentKind::Payment},
        {suppliers, "S100", true, "H1", "9001", DocumentKind::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.party) + " " + c.invoice + "/" + c.ref);
        EXPECT_EQ(DocumentLocator(*books_, c.ledger).locate(line(c.ledger, c.party, c.history, c.invoice, c.ref)).kind, c.kind);
    }
}

TEST_P(DocumentTest, a_fifteen_line_purchase_prints_every_line_and_balances)
{
    const InquiryLedger& suppliers = InquiryLedger::payables();
    const auto rows = details(preview(suppliers, line(suppliers, "S100", false, "A1", "")));
    ASSERT_EQ(rows.size(), 16u) << "15 lines and their totals";
    EXPECT_EQ(rows[13], (QStringList{"5113", "Expense 5113", "7.00"}));
    EXPECT_EQ(rows[14], (QStringList{"2100", "Accounts payable", "100.00"}));
    EXPECT_EQ(rows[15], (QStringList{"Total", "100.00", "100.00"}));
}

TEST_P(DocumentTest, a_receipt_lists_its_lines_and_the_invoices_it_paid)
{
    const InquiryLedger& clients = InquiryLedger::receivables();
    const auto document = preview(clients, line(clients, "C100", false, "1001", "R1"));
    const auto rows = details(document);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back(), (QStringList{"1001", "2026-01-10", "2026-02-09", "500.00", "200.00"}));
    EXPECT_NE(document.pages[0].findText("Cash receipts"), nullptr);
}

TEST_P(DocumentTest, an_invoice_reprint_prints_comments_ratios_named_payments_and_terms)
{
    const InquiryLedger& clients = InquiryLedger::receivables();
    const auto document = preview(clients, line(clients, "C300", false, "3001", ""));
    const auto rows = details(document);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], QStringList{"Spring delivery"}) << "a comment line prints its description alone";
    const report::Band* comment = document.bandsOf(report::BandKind::Detail).front();
    ASSERT_EQ(comment->textItems().size(), 1u);
    EXPECT_GT(comment->textItems()[0]->rect.width(), comment->rect.width() * 0.9) << "a comment runs across the page";
    EXPECT_EQ(rows[1].mid(rows[1].size() - 2), (QStringList{"100.00", "0"})) << "no cost: markup 0";
    EXPECT_EQ(rows[2].mid(rows[2].size() - 2), (QStringList{"40.00", "66.67"}));
    std::vector<QStringList> fields;
    for (const report::Band* band : document.bandsOf(report::BandKind::GroupHeader)) fields.push_back(band->texts());
    const auto shows = [&](const QStringList& field) { return std::find(fields.begin(), fields.end(), field) != fields.end(); };
    for (const QStringList& field : {QStringList{"Terms", "Net 15 days"}, QStringList{"Order number", "O-77"},
                                     QStringList{"P.O. number", "PO-9"}, QStringList{"Salesperson", "Jean Dubois"},
                                     QStringList{"G.S.T.", "5.00"}, QStringList{"P.S.T.", "9.98"},
                                     QStringList{"Invoice total", "114.98"}, QStringList{"Margin %", "64.00"},
                                     QStringList{"Markup %", "177.78"}, QStringList{"Cash", "60.00"}, QStringList{"Cheque", "0.00"}})
        EXPECT_TRUE(shows(field)) << field.join(' ').toStdString();
    EXPECT_FALSE(shows({"", "40.00"})) << "payment 3 has no name";
}

TEST(InvoiceRatios, are_zero_when_their_base_is_zero_and_read_in_the_session_language)
{
    constexpr AmountLanguage en = AmountLanguage::English, fr = AmountLanguage::French;
    const struct { std::int64_t total, cost; AmountLanguage language; const char *margin, *markup; } cases[] = {
        {0, 0, en, "0", "0"}, {10000, 0, en, "100.00", "0"}, {10000, 6000, en, "40.00", "66.67"}, {0, 5000, en, "0", "-100.00"},
        {-10000, -6000, en, "40.00", "66.67"}, {10000, 6000, fr, "40,00", "66,67"}, {0, 0, fr, "0", "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarginText(Money::fromCents(c.total), Money::fromCents(c.cost), c.language), c.margin);
        EXPECT_EQ(MarkupText(Money::fromCents(c.total), Money::fromCents(c.cost), c.language), c.markup);
    }
}

TEST(PreviewTexts, take_the_screen_type_names_and_the_intl_captions)
{
    lang::LanguageTable table("rcvinquiryfr");
    lang::LanguageRow messages{"Trcvinquiry_frm", "IntlStrings1", {}, {}, {}, lang::ControlKind::Memo};
    messages.lines = {"Vente", "Débit", "Crédit", "Ajustement", "Paiement", "", "", "Oui", "Non", "", "Retenue"};
    table.add(messages);
    table.add({"Trcvinquiry_qrfrm2", "NsfLabel", "Chèque sans provision", {}, {}, lang::ControlKind::Plain});
    const struct { int language; bool intl; const char *nsf, *tax1; } cases[] = {
        {2, false, "Chèque sans provision", "G.S.T."}, {2, true, "Chèque NSF", "Taxe 1"}, {1, true, "NSF check", "Tax 1"}};
    for (const auto& c : cases) {
        const PreviewTexts t = PreviewTexts::fromTable(table, "rcvinquiry", InquiryLedger::receivables(), c.language, c.intl);
        EXPECT_EQ(t.payment.nsfCheque, c.nsf);
        EXPECT_EQ(t.invoice.columns[6], c.tax1);
        EXPECT_EQ(t.typeNames, (QStringList{"Vente", "Paiement", "Ajustement", "Débit", "Crédit", "Retenue"}));
        EXPECT_EQ(t.yes, "Oui");
    }
}

TEST(DocumentSheet, a_long_table_flows_onto_pages_that_repeat_its_titles)
{
    DocumentSheet sheet("Cash receipts");
    sheet.field("Reference", "R1");
    sheet.table({{"Invoice", 0.5}, {"Payment", 0.5, report::HAlign::Right}});
    for (int i = 0; i < 120; ++i) sheet.row({QString::number(i), "1.00"});
    const auto document = sheet.finish();
    ASSERT_GT(document.pageCount(), 1);
    int next = 0;
    for (const report::ReportPage& page : document.pages) {
        ASSERT_EQ(page.bandsOf(report::BandKind::ColumnHeader).size(), 1u);
        EXPECT_EQ(page.bandsOf(report::BandKind::ColumnHeader)[0]->texts(), (QStringList{"Invoice", "Payment"}));
        for (const report::Band* row : page.bandsOf(report::BandKind::Detail)) {
            EXPECT_LE(row->rect.bottom(), page.setup.contentRect().bottom());
            EXPECT_EQ(row->texts().first(), QString::number(next++));
        }
    }
    EXPECT_EQ(next, 120);
}

}  // namespace
}  // namespace orvant::inquiry
