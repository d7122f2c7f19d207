#pragma once
// The quick link: a window that lists the suite's functions and runs the one chosen, from
// inside the module that opened it. The function runs as a nested module, with a session
// number of its own; the window hides while it runs and closes when it returns.

#include <QDialog>
#include <vector>

#include "session/session.h"

class QLineEdit;
class QListWidget;

namespace orvant::suite {

struct SuiteFunction {
    QString code;  // the module library's code
    QString name;  // in the session's language
};

// The functions of the suite, named in the given language (1 English, 2 French).
std::vector<SuiteFunction> SuiteFunctions(int language);

class QuickLinkDialog : public QDialog {
    Q_OBJECT
public:
    QuickLinkDialog(const Session& session, std::vector<SuiteFunction> functions, QString modulesDir, QWidget* parent = nullptr);

    // "Quick Link", or "Lien Rapide" in French: other modules find an open quick link by it.
    static QString titleFor(int language);

private:
    void filter(const QString& text);
    void runCurrent();

    Session session_;
    std::vector<SuiteFunction> functions_;
    QString modulesDir_;
    QLineEdit* filterEdit_;
    QListWidget* list_;
};

}  // namespace orvant::suite
