#include "cheque_painter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <optional>

#include "dates/date_format.h"

namespace orvant::vndcheqprint {

namespace {

using cheques::ChequeLayout;
using cheques::LayoutItem;

using cheques::kStubLineHeight;
constexpr double kWidthUnitsPerInch = 96;
constexpr double kSpecimenPointSize = 20;

QString qt(const std::string& s) { return QString::fromStdString(s); }

bool RightAligned(int code) { return code == 11 || (code >= 12 && code <= 15) || code == 17 || code >= 19; }
bool IsAmount(int code) { return (code >= 12 && code <= 14) || code == 17 || code >= 19; }

struct Totals {
    Money amount, discount, payment;
};

Totals TotalsOf(const ChequeForm& form)
{
    Totals totals;
    for (const StubLine& stub : form.lines) {
        if (!stub.line) continue;
        totals.amount += stub.line->amount;
        totals.discount += stub.line->discount;
        totals.payment += stub.line->payment;
    }
    return totals;
}

class FormPainter {
public:
    FormPainter(const ChequeLayout& layout, const FormTexts& texts) : layout_(layout), texts_(texts) {}

    report::ReportPage page(const ChequeForm& form) const
    {
        report::ReportPage page(PageOf(layout_));
        const Totals totals = TotalsOf(form);
        double top = 0;
        for (int part = 0; part < 3; ++part) {
            const double height = layout_.partHeights[part];
            report::Band band{report::BandKind::Detail, inchRect(0, top, layout_.pageWidth, height), {}};
            if (height > 0) {
                if (layout_.partRoles[part] == 0) paintCheque(band, part, top, form, totals);
                else paintStub(band, part, top, form, totals, part == cheques::FirstStubPart(layout_));
            }
            page.bands.push_back(std::move(band));
            top += height;
        }
        return page;
    }

private:
    static QRectF inchRect(double left, double top, double width, double height)
    {
        return {report::inches(left), report::inches(top), report::inches(width), report::inches(height)};
    }

    // A form not numbered is only seen, never cashed: it carries no amount, and the specimen
    // words lie across its cheque.
    static bool isSpecimen(const ChequeForm& form) { return form.number.empty(); }

    QString date(Date d) const { return d.isValid() ? qt(FormatDate(d, texts_.dateFormat)) : QString(); }
    QString money(Money m) const { return qt(texts_.amounts.format(m)); }

    QString headerText(int code, const ChequeForm& form) const
    {
        const cheques::Cheque& c = *form.cheque;
        switch (code) {
        case 1: return qt(c.supplier);
        case 2: return qt(c.name);
        case 3: return qt(c.address1);
        case 4: return qt(c.address2);
        case 5: return qt(c.city);
        case 6: return qt(c.province);
        case 7: return qt(c.country);
        case 8: return qt(c.postalCode);
        case 15: return qt(form.number);
        case 16: return date(c.date);
        case 17: return form.continuation || isSpecimen(form) ? QString() : money(c.amount);
        case 18: return isSpecimen(form) ? QString() : qt(form.continuation ? texts_.nonNegotiable : c.words);
        default: return {};
        }
    }

    QString lineText(int code, const cheques::ChequeLine& line) const
    {
        switch (code) {
        case 9: return qt(line.invoice);
        case 10: return date(line.date);
        case 11: return date(line.dueDate);
        case 12: return money(line.amount);
        case 13: return money(line.discount);
        case 14: return money(line.payment);
        default: return {};
        }
    }

    QString totalText(int code, const Totals& totals) const
    {
        switch (code) {
        case 19: return money(totals.amount);
        case 20: return money(totals.discount);
        case 21: return money(totals.payment);
        default: return {};
        }
    }

    // What an item prints on one stub line: the heading line naming the cheque carries the
    // cheque's values, the invoice lines their own.
    QString stubText(int code, const ChequeForm& form, const StubLine& stub) const
    {
        if (stub.line) return lineText(code, *stub.line);
        if (stub.namesCheque) return headerText(code, form);
        return {};
    }

    void paintCheque(report::Band& band, int part, double top, const ChequeForm& form, const Totals& totals) const
    {
        for (const LayoutItem& item : layout_.items) {
            if (item.part != part + 1) continue;
            const auto code = cheques::FieldCode(item.field);
            const QString text = !code ? qt(item.field) : *code >= 19 ? totalText(*code, totals) : headerText(*code, form);
            place(band, item, code, top + item.line, text, report::toInches(item.size * 1.5));
        }
        if (isSpecimen(form)) paintSpecimenWords(band, part, top);
    }

    void paintSpecimenWords(report::Band& band, int part, double top) const
    {
        report::TextItem t;
        t.text = qt(texts_.specimen);
        t.font.pointSize = kSpecimenPointSize;
        t.font.bold = true;
        const double height = report::toInches(kSpecimenPointSize * 1.5);
        t.rect = inchRect(0, top + (layout_.partHeights[part] - height) / 2, layout_.pageWidth, height);
        t.align = report::HAlign::Center;
        t.overflow = report::Overflow::Shrink;
        band.items.push_back(std::move(t));
    }

    void paintStub(report::Band& band, int part, double top, const ChequeForm& form, const Totals& totals, bool firstStub) const
    {
        const double height = layout_.partHeights[part];
        const int rows = cheques::StubRows(height);
        const int totalsRow = std::min(static_cast<int>(form.lines.size()), rows - 1);
        for (const LayoutItem& item : layout_.items) {
            if (item.part != part + 1) continue;
            const auto code = cheques::FieldCode(item.field);
            if (!code) {
                // A label heads its column once rather than on every line.
                place(band, item, code, top, qt(item.field), kStubLineHeight);
            } else if (*code >= 19) {
                // The form's totals, below its last line, on the first stub only.
                if (firstStub) place(band, item, code, top + totalsRow * kStubLineHeight, totalText(*code, totals), kStubLineHeight);
            } else {
                for (int row = 0; row < static_cast<int>(form.lines.size()) && row < rows; ++row)
                    place(band, item, code, top + row * kStubLineHeight, stubText(*code, form, form.lines[row]), kStubLineHeight);
            }
        }
    }

    void place(report::Band& band, const LayoutItem& item, std::optional<int> code, double top, const QString& text,
               double height) const
    {
        if (text.isEmpty()) return;
        report::TextItem t;
        t.text = text;
        t.font.family = qt(item.font.empty() ? std::string("Sans Serif") : item.font);
        t.font.pointSize = item.size;
        t.font.bold = item.style == 1;
        // An item without a width is as wide as its text: aligned either way it starts where it is placed.
        const double width = item.width > 0 ? item.width / kWidthUnitsPerInch : std::max(0.0, layout_.pageWidth - item.position);
        t.rect = inchRect(item.position, top, width, height);
        t.align = item.width > 0 && code && RightAligned(*code) ? report::HAlign::Right : report::HAlign::Left;
        t.overflow = code && IsAmount(*code) ? report::Overflow::Shrink : report::Overflow::Clip;
        if (item.style == 2) underline(band, t);
        band.items.push_back(std::move(t));
    }

    static void underline(report::Band& band, const report::TextItem& t)
    {
        const QFontMetricsF metrics(t.font.toFont());
        // Fonts are set in points; the metrics are in the screen's pixels.
        const double scale = 72.0 / metrics.fontDpi();
        const double width = std::min(t.rect.width(), metrics.horizontalAdvance(t.text) * scale);
        const double left = t.align == report::HAlign::Right ? t.rect.right() - width : t.rect.left();
        const double y = t.rect.center().y() + metrics.ascent() * scale / 2 + 1;
        band.items.push_back(report::LineItem{QLineF(left, y, left + width, y), 0.5});
    }

    const ChequeLayout& layout_;
    const FormTexts& texts_;
};

}  // namespace

report::PageSetup PageOf(const ChequeLayout& layout)
{
    // The page is drawn as the form lies, `pageWidth` across; landscape turns the paper for the printer.
    const QSizeF drawn(report::inches(layout.pageWidth), report::inches(layout.pageLength));
    if (layout.pageWidth > 8.5) return report::PageSetup(drawn.transposed(), report::Orientation::Landscape, QMarginsF());
    return report::PageSetup(drawn, report::Orientation::Portrait, QMarginsF());
}

report::ReportDocument PaintForms(const std::vector<ChequeForm>& forms, const ChequeLayout& layout, const FormTexts& texts,
                                  const QString& title)
{
    report::ReportDocument document;
    document.title = title;
    const FormPainter painter(layout, texts);
    for (const ChequeForm& form : forms) document.pages.push_back(painter.page(form));
    return document;
}

AlignmentSample MakeAlignmentSample(const ChequeLayout& layout, const std::string& payee)
{
    AlignmentSample sample;
    cheques::Cheque c;
    c.supplier = "XXXXXXXXXX";
    c.name = payee;
    c.address1 = c.address2 = c.city = c.country = "XXXXXXXXXXXXXXXXXXXX";
    c.province = c.postalCode = "XXXXXXX";
    c.date = Date::today();
    c.amount = Money::fromCents(99'999'999);
    c.words = std::string(60, 'X');
    constexpr int kSampleLines = 3;
    for (int i = 0; i < kSampleLines; ++i)
        c.lines.push_back({c.supplier, "XXXXXXXXXX", false, c.date, c.date, Money::fromCents(99'999'999), Money{}, Money::fromCents(99'999'999)});
    sample.cheques.push_back(std::move(c));
    sample.forms = LayOutForms(sample.cheques, layout);
    for (ChequeForm& form : sample.forms) form.number = "000000";
    return sample;
}

}  // namespace orvant::vndcheqprint
