#pragma once
// The setup wizard shown once a company creation has added a company: five pages without tabs,
// walked with "&Next >>" and "<< &Back", that set the company's tax regime, tax rates and currency
// words and the installation's date format and currency display. Only "&Close" on the last page
// saves; closing the window before it writes nothing.

#include <QDialog>
#include <QList>
#include <array>

#include "core/setup_presets.h"
#include "session/session.h"
#include "settings/registry.h"
#include "store/database.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace orvant::launcher {

class SetupWizard : public QDialog {
    Q_OBJECT
public:
    SetupWizard(store::Database& books, Registry& registry, int language, bool tolvane, QWidget* parent = nullptr);

private:
    QWidget* placePage();
    QWidget* provincePage();
    QWidget* taxPage();
    QWidget* currencyPage();
    QWidget* closingPage();
    void read();
    void display();
    void next();
    void back();
    void save();
    QString caption(int line) const;

    store::Database& books_;
    Registry& registry_;
    bool tolvane_;
    SetupSteps steps_;

    QStackedWidget* pages_;
    QPlainTextEdit* captions_;
    QRadioButton* inCanada_;
    QRadioButton* outside_;
    QButtonGroup* provinces_;
    QComboBox* dateFormat_;
    QGroupBox* taxGroup_;
    std::array<QLabel*, kRateCount> rateLabels_{};
    std::array<QLineEdit*, kRateCount> rates_{};
    QLabel* taxNote_;
    QLineEdit* symbol_;
    QButtonGroup* alignment_;
    QLineEdit* currencyDescription_;
    QLineEdit* fractionsDescription_;
    QPushButton* backButton_;
    QPushButton* nextButton_;
    QPushButton* closeButton_;
};

// The numbers of the companies of the data root, in key order.
QList<int> CompanyNumbers(store::Database& dataRoot);

// Runs the wizard, in the session's language, on the company a creation added (the one number
// not in `before`); nothing when it added none. True when the wizard saved.
bool SetUpAddedCompany(QWidget* parent, Registry& registry, const Session& session, store::Database& dataRoot,
                       const QList<int>& before);

}  // namespace orvant::launcher
