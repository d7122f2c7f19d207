#include "report/page_setup.h"

namespace orvant::report {
namespace {

// Half an inch all round suits the printers of small offices, most of which cannot print nearer
// the edge than a quarter inch.
const QMarginsF kDefaultMargins(inches(0.5), inches(0.5), inches(0.5), inches(0.5));

constexpr double kPointsPerMillimetre = kPointsPerInch / 25.4;

}  // namespace

PageSetup::PageSetup(QSizeF paper, Orientation orientation, QMarginsF margins)
    : paper_(paper), orientation_(orientation), margins_(margins)
{
}

PageSetup PageSetup::letter(Orientation orientation)
{
    return {QSizeF(inches(8.5), inches(11)), orientation, kDefaultMargins};
}

PageSetup PageSetup::legal(Orientation orientation)
{
    return {QSizeF(inches(8.5), inches(14)), orientation, kDefaultMargins};
}

PageSetup PageSetup::a4(Orientation orientation)
{
    return {QSizeF(210 * kPointsPerMillimetre, 297 * kPointsPerMillimetre), orientation, kDefaultMargins};
}

QSizeF PageSetup::size() const
{
    return orientation_ == Orientation::Portrait ? paper_ : paper_.transposed();
}

}  // namespace orvant::report
