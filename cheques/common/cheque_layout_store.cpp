#include "cheque_layout_store.h"

#include <map>
#include <stdexcept>

#include "cheque_layout_text.h"
#include "default_cheque_layout.h"
#include "store/table.h"

namespace orvant::cheques {

namespace {

constexpr const char* kItems = "apchqfrm";
constexpr const char* kPage = "apchqfrm1";
constexpr const char* kFonts = "apchqfrm2";
constexpr const char* kParts = "ApchqFrm4";

const char* const kPartHeightFields[] = {"Apchqfrm1_header_len", "Apchqfrm1_detail_len", "Apchqfrm1_footer_len"};

void readPage(store::Database& books, ChequeLayout& layout)
{
    store::Table page(books, kPage);
    page.open();
    page.first();
    layout.pageLength = page.field("Apchqfrm1_page_len").asFloat();
    layout.pageWidth = page.field("Apchqfrm1_page_width").asFloat();
    for (int p = 0; p < 3; ++p) layout.partHeights[p] = page.field(kPartHeightFields[p]).asFloat();
}

void readParts(store::Database& books, ChequeLayout& layout)
{
    store::Table parts(books, kParts);
    parts.open();
    parts.first();
    if (!parts.hasRecord()) return;
    for (int p = 0; p < 3; ++p) layout.partRoles[p] = static_cast<int>(parts.field("ApchqFrm4Band" + std::to_string(p + 1)).asInt());
    layout.headingLines = static_cast<int>(parts.field("ApchqFrm4Lines").asInt());
    layout.chequeHeadingLine = static_cast<int>(parts.field("ApchqFrm4WhichLine").asInt());
}

void readItems(store::Database& books, ChequeLayout& layout)
{
    std::map<std::int64_t, LayoutItem> fonts;
    store::Table fontRows(books, kFonts);
    fontRows.open();
    for (fontRows.first(); !fontRows.eof(); fontRows.next()) {
        LayoutItem& font = fonts[fontRows.field("Index").asInt()];
        font.style = static_cast<int>(fontRows.field("Style").asInt());
        font.size = static_cast<int>(fontRows.field("Size").asInt());
        font.width = static_cast<int>(fontRows.field("Width").asInt());
        font.font = fontRows.field("Fontname").asString();
    }
    store::Table items(books, kItems);
    items.open();
    for (items.first(); !items.eof(); items.next()) {
        LayoutItem item;
        if (auto font = fonts.find(items.field("Apchqfrm_index").asInt()); font != fonts.end()) item = font->second;
        item.field = items.field("Apchqfrm_field").asString();
        // The part is the band's first character; anything else lies in no part.
        const std::string band = items.field("Apchqfrm_band").asString();
        item.part = band.empty() ? 0 : band[0] - '0';
        item.line = items.field("Apchqfrm_line").asFloat();
        item.position = items.field("Apchqfrm_pos").asFloat();
        layout.items.push_back(std::move(item));
    }
}

void writePage(store::Database& books, const ChequeLayout& layout)
{
    store::Table page(books, kPage);
    page.open();
    page.insert();
    page.field("Apchqfrm1_page_len") = layout.pageLength;
    page.field("Apchqfrm1_page_width") = layout.pageWidth;
    for (int p = 0; p < 3; ++p) page.field(kPartHeightFields[p]) = layout.partHeights[p];
    page.post();

    store::Table parts(books, kParts);
    parts.open();
    parts.insert();
    for (int p = 0; p < 3; ++p) parts.field("ApchqFrm4Band" + std::to_string(p + 1)) = layout.partRoles[p];
    parts.field("ApchqFrm4Lines") = layout.headingLines;
    parts.field("ApchqFrm4WhichLine") = layout.chequeHeadingLine;
    parts.post();
}

void writeItems(store::Database& books, const ChequeLayout& layout)
{
    store::Table items(books, kItems);
    store::Table fonts(books, kFonts);
    items.open();
    fonts.open();
    for (const LayoutItem& item : layout.items) {
        items.insert();
        items.field("Apchqfrm_field") = item.field;
        items.field("Apchqfrm_band") = std::to_string(item.part);
        items.field("Apchqfrm_line") = item.line;
        items.field("Apchqfrm_pos") = item.position;
        items.post();
        fonts.insert();
        fonts.field("Index") = items.field("Apchqfrm_index").asInt();
        fonts.field("Style") = item.style;
        fonts.field("Size") = item.size;
        fonts.field("Width") = item.width;
        fonts.field("Fontname") = item.font;
        fonts.post();
    }
}

}  // namespace

bool HasOwnChequeLayout(store::Database& books)
{
    store::Table page(books, kPage);
    page.open();
    return !page.isEmpty();
}

ChequeLayout ReadChequeLayout(store::Database& books)
{
    if (!HasOwnChequeLayout(books)) return DefaultChequeLayout();
    ChequeLayout layout;
    readPage(books, layout);
    readParts(books, layout);
    readItems(books, layout);
    return layout;
}

void WriteChequeLayout(store::Database& books, const ChequeLayout& layout)
{
    if (const auto problems = CheckLayout(layout); !problems.empty())
        throw std::invalid_argument(DescribeLayoutProblem(layout, problems.front()));
    store::Transaction transaction(books);
    for (const char* table : {kItems, kPage, kFonts, kParts}) books.emptyTable(table);
    writePage(books, layout);
    writeItems(books, layout);
    transaction.commit();
}

}  // namespace orvant::cheques
