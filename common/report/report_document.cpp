#include "report/report_document.h"

namespace orvant::report {

QFont FontSpec::toFont() const
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

std::vector<const Band*> ReportPage::bandsOf(BandKind kind) const
{
    std::vector<const Band*> found;
    for (const Band& band : bands) {
        if (band.kind == kind) found.push_back(&band);
    }
    return found;
}

std::vector<const TextItem*> Band::textItems() const
{
    std::vector<const TextItem*> found;
    for (const ReportItem& item : items) {
        if (const auto* text = std::get_if<TextItem>(&item)) found.push_back(text);
    }
    return found;
}

QStringList Band::texts() const
{
    QStringList found;
    for (const TextItem* item : textItems()) found.append(item->text);
    return found;
}

std::vector<const TextItem*> ReportPage::textItems() const
{
    std::vector<const TextItem*> found;
    for (const Band& band : bands) {
        const std::vector<const TextItem*> ofBand = band.textItems();
        found.insert(found.end(), ofBand.begin(), ofBand.end());
    }
    return found;
}

QStringList ReportPage::texts() const
{
    QStringList found;
    for (const Band& band : bands) found.append(band.texts());
    return found;
}

const TextItem* ReportPage::findText(const QString& text) const
{
    for (const TextItem* item : textItems()) {
        if (item->text == text) return item;
    }
    return nullptr;
}

std::vector<const Band*> ReportDocument::bandsOf(BandKind kind) const
{
    std::vector<const Band*> found;
    for (const ReportPage& page : pages) {
        const std::vector<const Band*> ofPage = page.bandsOf(kind);
        found.insert(found.end(), ofPage.begin(), ofPage.end());
    }
    return found;
}

}  // namespace orvant::report
