#include "desktop_sizes.h"

#include <algorithm>

namespace orvant::launcher {

namespace {

constexpr int kWidthStep = 115, kMenuHeightStep = 115, kButtonHeightStep = 125;

int heightStep(SizeStep step) { return step == SizeStep::Menu ? kMenuHeightStep : kButtonHeightStep; }

QSize atLeastMinimum(QSize size)
{
    return {std::max(size.width(), kMinimumPanelSize.width()), std::max(size.height(), kMinimumPanelSize.height())};
}

}  // namespace

QSize Enlarged(QSize size, SizeStep step)
{
    const QSize from = atLeastMinimum(size);
    return {from.width() * kWidthStep / 100, from.height() * heightStep(step) / 100};
}

QSize Reduced(QSize size, SizeStep step)
{
    return atLeastMinimum({size.width() * 100 / kWidthStep, size.height() * 100 / heightStep(step)});
}

}  // namespace orvant::launcher
