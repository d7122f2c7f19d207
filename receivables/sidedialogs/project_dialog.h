#pragma once
// The project dialog (Tproject_dlg, "Enter project"): how much of a document goes to which
// job-costing project and phase, with the amount still to distribute shown above the lines.
// F2 (or the lookup button) in the project, phase or element column opens the suite's picker;
// Ctrl+Del (or the delete button) removes a line; Down or Enter on the last line adds one. OK
// checks every line against the company's projects and budgets and refuses with the calling
// screen's message (19 or 20 of a sale, 20 to 22 of a purchase); it writes nothing, as the
// posting writes the lines in its transaction. On a purchase each line also names its cost
// element, and its amount is its quantity times its rate.

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
                                                ProjectLookups lookups, ProjectForm form = ProjectForm::Receivables);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setDelegates();
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
