// The forms of cheques on the company's cheque form: stubs that overflow onto void continuation
// forms wherever the cheque part lies, and what each form prints.

#include <gtest/gtest.h>

#include <algorithm>

#include "cheque_forms.h"
#include "cheque_painter.h"
#include "default_cheque_layout.h"

namespace orvant::vndcheqprint {
namespace {

using cheques::Cheque;
using cheques::ChequeLayout;
using cheques::LayoutItem;

constexpr double kChequeHeight = 3.5, kStubHeight = 1.25;  // a stub of 5 lines, one of them the totals

// The cheque in part `chequePart` (1 to 3), the other two parts stubs of five lines.
ChequeLayout SmallForm(int chequePart, int headingLines)
{
    ChequeLayout layout;
    layout.pageLength = kChequeHeight + 2 * kStubHeight;
    layout.pageWidth = 8.5;
    int role = 1;
    for (int part = 1; part <= 3; ++part) {
        const bool cheque = part == chequePart;
        layout.partHeights[part - 1] = cheque ? kChequeHeight : kStubHeight;
        layout.partRoles[part - 1] = cheque ? 0 : role++;
        const auto item = [&](const char* field, double line, double position, int width = 0) {
            layout.items.push_back(LayoutItem{field, part, line, position, 0, 10, width, "Sans Serif"});
        };
        if (cheque) {
            item("15 Number", 0.3, 6.3, 115);
            item("17 Amount", 0.7, 6.3, 115);
            item("18 Words", 1.1, 0.4);
            item("02 Payee", 1.6, 0.8);
            item("Pay to the order of", 1.4, 0.4);
        } else {
            item("15 Number", 0, 5.0, 115);
            item("09 Invoice", 0, 0.3);
            item("12 Amount", 0, 3.7, 115);
            item("19 Total", 0, 3.7, 115);
        }
    }
    layout.headingLines = headingLines;
    layout.chequeHeadingLine = headingLines > 0 ? 1 : 0;
    return layout;
}

Cheque ChequeOf(int lines)
{
    Cheque cheque;
    cheque.seq = 1;
    cheque.name = "Maple Leaf Lumber";
    cheque.date = *Date::fromYmd(2026, 4, 15);
    cheque.words = "Fifteen Dollars";
    for (int i = 1; i <= lines; ++i) {
        const Money amount = Money::fromUnits(i);
        cheque.lines.push_back({"", "INV-" + std::to_string(i), false, cheque.date, cheque.date, amount, Money{}, amount});
        cheque.amount += amount;
    }
    return cheque;
}

FormTexts Texts()
{
    return {"YYYY-MM-DD", CurrencyFormat{}, "NON NEGOTIABLE", "PREVIEW - NOT NEGOTIABLE"};
}

// The texts of a part of a page, in the order painted.
QStringList TextsOfPart(const report::ReportPage& page, int part) { return page.bands.at(part - 1).texts(); }

TEST(ChequeForms, lines_beyond_a_stub_continue_on_void_forms_that_each_take_a_number)
{
    struct Row {
        int chequePart, headingLines, lines;
        std::vector<int> invoiceLinesPerForm;
    };
    const Row rows[] = {
        {1, 2, 5, {2, 2, 1}},  // the cheque on top: two stubs below
        {2, 2, 5, {2, 2, 1}},  // in the middle
        {3, 2, 4, {2, 2}},     // at the bottom, the lines filling the last form exactly
        {1, 0, 5, {4, 1}},     // no heading lines: the stub holds invoice lines only
        {2, 1, 0, {0}},        // a cheque without lines still prints its form
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "cheque part " << row.chequePart << ", " << row.headingLines << " heading lines, "
                                          << row.lines << " lines");
        const ChequeLayout layout = SmallForm(row.chequePart, row.headingLines);
        const std::vector<Cheque> cheques{ChequeOf(row.lines)};
        std::vector<ChequeForm> forms = LayOutForms(cheques, layout);
        ASSERT_EQ(forms.size(), row.invoiceLinesPerForm.size());
        for (std::size_t f = 0; f < forms.size(); ++f) {
            forms[f].number = std::to_string(500 + f);
            EXPECT_EQ(forms[f].continuation, f > 0);
            EXPECT_EQ(static_cast<int>(forms[f].lines.size()), row.headingLines + row.invoiceLinesPerForm[f]);
        }

        const report::ReportDocument document = PaintForms(forms, layout, Texts(), "Cheques");
        ASSERT_EQ(document.pageCount(), static_cast<int>(forms.size()));
        const int firstStub = row.chequePart == 1 ? 2 : 1;
        int invoice = 1;
        for (std::size_t f = 0; f < forms.size(); ++f) {
            const report::ReportPage& page = document.pages[f];
            const QStringList cheque = TextsOfPart(page, row.chequePart);
            EXPECT_TRUE(cheque.contains(QString::number(500 + f)));
            EXPECT_TRUE(cheque.contains("Pay to the order of"));
            EXPECT_EQ(cheque.contains("NON NEGOTIABLE"), f > 0) << cheque.join('|').toStdString();
            EXPECT_EQ(cheque.contains("Fifteen Dollars"), f == 0);
            const bool amountShown = cheque.contains(QString::fromStdString(CurrencyFormat{}.format(cheques.front().amount)));
            EXPECT_EQ(amountShown, f == 0) << "only the first form carries the amount";

            // The first stub lists the form's invoices and totals them; the total starts again on each form.
            const QStringList stub = TextsOfPart(page, firstStub);
            Money total;
            for (int i = 0; i < row.invoiceLinesPerForm[f]; ++i, ++invoice) {
                EXPECT_TRUE(stub.contains(QString("INV-%1").arg(invoice)));
                total += Money::fromUnits(invoice);
            }
            EXPECT_TRUE(stub.contains(QString::fromStdString(CurrencyFormat{}.format(total)))) << stub.join('|').toStdString();
            EXPECT_EQ(stub.contains(QString::number(500 + f)), row.headingLines > 0) << "the stub's heading line names the form";
        }
    }
}

TEST(ChequeForms, a_full_stub_prints_its_totals_on_a_row_below_its_last_line)
{
    const ChequeLayout layout = cheques::DefaultChequeLayout();
    constexpr double kAmountColumn = 3.7;  // the lines' amounts and their total
    const double stubBottom = layout.partHeights[0] + layout.partHeights[1];
    for (const int lines : {12, 13, 25}) {
        SCOPED_TRACE(::testing::Message() << lines << " lines");
        const std::vector<Cheque> cheques{ChequeOf(lines)};
        std::vector<ChequeForm> forms = LayOutForms(cheques, layout);
        for (ChequeForm& form : forms) form.number = "500";
        const report::ReportDocument document = PaintForms(forms, layout, Texts(), "Cheques");
        for (std::size_t f = 0; f < forms.size(); ++f) {
            SCOPED_TRACE(::testing::Message() << "form " << f);
            Money total;
            for (const StubLine& line : forms[f].lines)
                if (line.line) total += line.line->amount;
            std::vector<const report::TextItem*> column;
            for (const report::TextItem* text : document.pages[f].bands.at(1).textItems())
                if (qFuzzyCompare(text->rect.left(), report::inches(kAmountColumn))) column.push_back(text);
            std::sort(column.begin(), column.end(), [](auto* a, auto* b) { return a->rect.top() < b->rect.top(); });
            ASSERT_FALSE(column.empty());
            EXPECT_EQ(column.back()->text, QString::fromStdString(CurrencyFormat{}.format(total))) << "the totals last";
            for (std::size_t i = 1; i < column.size(); ++i)
                EXPECT_GE(column[i]->rect.top(), column[i - 1]->rect.bottom() - 1e-6) << column[i]->text.toStdString() << " over "
                                                                                      << column[i - 1]->text.toStdString();
            EXPECT_LE(column.back()->rect.bottom(), report::inches(stubBottom) + 1e-6) << "the totals fall off the stub";
        }
    }
}

TEST(ChequeForms, a_form_without_a_number_is_a_specimen_without_its_amount)
{
    const ChequeLayout layout = SmallForm(1, 2);
    const std::vector<Cheque> cheques{ChequeOf(5)};
    const QString amount = QString::fromStdString(CurrencyFormat{}.format(cheques.front().amount));
    for (const bool numbered : {false, true}) {
        SCOPED_TRACE(numbered ? "numbered" : "unnumbered");
        std::vector<ChequeForm> forms = LayOutForms(cheques, layout);
        if (numbered)
            for (ChequeForm& form : forms) form.number = "500";
        const report::ReportDocument document = PaintForms(forms, layout, Texts(), "Cheques");
        for (const report::ReportPage& page : document.pages) {
            const QStringList cheque = TextsOfPart(page, 1);
            EXPECT_EQ(cheque.contains("PREVIEW - NOT NEGOTIABLE"), !numbered) << cheque.join('|').toStdString();
            EXPECT_TRUE(cheque.contains("Maple Leaf Lumber"));
            if (!numbered) {
                EXPECT_FALSE(cheque.contains("Fifteen Dollars"));
                EXPECT_FALSE(page.findText(amount)) << "no amount in figures on the cheque or its stubs";
            }
        }
        EXPECT_EQ(TextsOfPart(document.pages.front(), 1).contains("Fifteen Dollars"), numbered);
    }
}

TEST(ChequeForms, a_label_that_starts_with_a_number_prints_as_it_is)
{
    ChequeLayout layout = SmallForm(1, 2);
    layout.items.push_back(LayoutItem{"30 days net", 1, 2.5, 0.4, 0, 10, 0, "Sans Serif"});
    const std::vector<Cheque> cheques{ChequeOf(1)};
    std::vector<ChequeForm> forms = LayOutForms(cheques, layout);
    forms[0].number = "500";
    EXPECT_TRUE(TextsOfPart(PaintForms(forms, layout, Texts(), "Cheques").pages.front(), 1).contains("30 days net"));
}

TEST(ChequeForms, items_lie_at_their_inches_from_the_paper_edge_and_amounts_end_at_their_width)
{
    const ChequeLayout layout = SmallForm(2, 2);
    const std::vector<Cheque> cheques{ChequeOf(1)};
    std::vector<ChequeForm> forms = LayOutForms(cheques, layout);
    forms[0].number = "500";
    const report::ReportDocument document = PaintForms(forms, layout, Texts(), "Cheques");
    const report::ReportPage& page = document.pages.front();

    const report::TextItem* payee = page.findText("Maple Leaf Lumber");
    ASSERT_NE(payee, nullptr);
    EXPECT_DOUBLE_EQ(payee->rect.left(), report::inches(0.8));
    EXPECT_DOUBLE_EQ(payee->rect.top(), report::inches(kStubHeight + 1.6));
    const report::TextItem* invoice = page.findText("INV-1");
    ASSERT_NE(invoice, nullptr);
    EXPECT_DOUBLE_EQ(invoice->rect.top(), report::inches(2 * 0.25)) << "below the two heading lines of the first stub";
    const report::TextItem* amount = page.findText("$1.00");  // the line's, on the first stub
    ASSERT_NE(amount, nullptr);
    EXPECT_EQ(amount->align, report::HAlign::Right);
    EXPECT_DOUBLE_EQ(amount->rect.right(), report::inches(3.7 + 115 / 96.0));
}

TEST(ChequeForms, a_form_wider_than_letter_prints_in_landscape)
{
    ChequeLayout layout = SmallForm(1, 2);
    EXPECT_EQ(PageOf(layout).orientation(), report::Orientation::Portrait);
    layout.pageWidth = 11;
    layout.pageLength = 8.5;
    EXPECT_EQ(PageOf(layout).orientation(), report::Orientation::Landscape);
    EXPECT_DOUBLE_EQ(PageOf(layout).size().width(), report::inches(11));
}

}  // namespace
}  // namespace orvant::vndcheqprint
