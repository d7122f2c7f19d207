#pragma once
// The aging chart of the graph tab: five bars to scale, a negative bucket drawn below the base
// line. The title and the labels with the bucket names and amounts are the form's.

#include <QWidget>
#include <array>

#include "aging/aging_rules.h"

namespace orvant::masters {

class AgingBars : public QWidget {
public:
    explicit AgingBars(QWidget* parent);
    void setValues(const std::array<double, aging::kBuckets>& values);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<double, aging::kBuckets> values_{};
};

}  // namespace orvant::masters
