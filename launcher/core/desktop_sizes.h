#pragma once
// The sizes a desktop panel steps through. Enlarge and reduce work in whole pixels with integer
// arithmetic, so the same steps give the same sizes on every machine, and no panel gets smaller
// than its buttons and a row of its grid. Each step drops the fraction of a pixel, so a panel
// reduced then enlarged may come back a little smaller (200 gives 173, then 198).

#include <QSize>

namespace orvant::launcher {

inline constexpr QSize kMinimumPanelSize{90, 60};
inline constexpr int kPanelBand = 34;  // the band above a panel's grid or text, with its buttons

// From the context menu both sides step by 1.15; from the panel's own buttons the height steps
// by 1.25.
enum class SizeStep { Menu, Button };

QSize Enlarged(QSize size, SizeStep step);
QSize Reduced(QSize size, SizeStep step);

}  // namespace orvant::launcher
