#pragma once
// The tax-per-rate dialog (Ttaxperrate_dlg, "Enter total sales amount per tax rate"): one line
// per rate the document's taxes touch, where the user types the net amount subject to each.
// The keyboard starts in the net amount of the first line.

#include <QDialog>
#include <optional>
#include <vector>

#include "sidedialogs/tax_per_rate.h"
#include "sidedialogs/tax_per_rate_model.h"

namespace orvant::sidedialogs {

class EntryGrid;

class Ttaxperrate_dlg : public QDialog {
public:
    explicit Ttaxperrate_dlg(QWidget* parent = nullptr);

    // The lines with the net amounts typed, once OK has written a cell still being edited;
    // nothing on Cancel, when the caller abandons its posting.
    std::optional<std::vector<TaxPerRateLine>> run(std::vector<TaxPerRateLine> lines);

private:
    void tryAccept();

    TaxPerRateModel model_;
    EntryGrid* grid_;
    QWidget* ok_;
};

}  // namespace orvant::sidedialogs
