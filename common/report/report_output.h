#pragma once
// Where a report screen sends its report: the printer, a preview, or the export dialog.

namespace orvant::report {

enum class ReportOutput { Print, Preview, Export };

}  // namespace orvant::report
