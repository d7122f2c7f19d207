#pragma once
// The project dialog (Tproject_dlg, "Enter project"): how much of a document goes to which
// job-costing project and phase, with the amount still to distribute shown above the lines.
// F2 (or the lookup button) in the project or phase column opens the suite's picker; Ctrl+Del
// (or the delete button) removes a line; Down or Enter on the last line adds one. OK checks
// every line against the company's projects and budgets and refuses with message 19 or 20 of
// the calling screen; it writes nothing, as the posting writes the lines in its transaction.

#include <QDialog>
#include <optional>
#include <vector>

#include "sidedialogs/project_lookups.h"
#include "sidedialogs/project_model.h"

class QLabel;

namespace orvant::sidedialogs {

class EntryGrid;

class Tproject_dlg : public QDialog {
public:
    explicit Tproject_dlg(QWidget* parent = nullptr);

    // The lines that are not blank, once they pass the check; nothing on Cancel. `company`
    // holds the job-costing tables; `messagesForm` is the calling screen's main form.
    std::optional<std::vector<ProjectLine>> run(Money toDistribute, store::Database& company, QWidget& messagesForm,
                                                ProjectLookups lookups);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lookUp();
    void deleteLine();
    void showLeftToDistribute();
    void tryAccept();

    ProjectModel model_;
    EntryGrid* grid_;
    QLabel* left_;
    store::Database* company_ = nullptr;
    QWidget* messagesForm_ = nullptr;
    ProjectLookups lookups_;
    std::optional<std::vector<ProjectLine>> accepted_;
};

}  // namespace orvant::sidedialogs
