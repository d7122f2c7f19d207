#pragma once
// The form "Print and update cheques" (Tvndcheqprint_frm): the first cheque number, the bank
// account and the printer dialog box, with Print, Preview, the alignment test, Print screen,
// Help and Exit. It holds no rule: it forwards its fields and buttons to the screen's logic and
// shows what it asks, "End of printing" included.

#include <QDialog>
#include <memory>

#include "cheque_print_host.h"
#include "cheque_print_screen.h"
#include "session/session.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvant::vndcheqprint {

class Tvndcheqprint_dm;
class TUpdate_dlg;

class Tvndcheqprint_frm : public QDialog, public ChequePrintHost {
public:
    Tvndcheqprint_frm(Session& session, QString helpFile);
    ~Tvndcheqprint_frm() override;

    // After the first activation has opened the books.
    void start(Tvndcheqprint_dm& data, TUpdate_dlg& endOfPrinting);

    // ChequePrintHost
    ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments, bool withCancel) override;
    void focus(PrintField field) override;
    void refresh() override;
    void setBusy(bool busy) override;
    std::unique_ptr<ChequePrinter> printer(bool printDialog) override;
    std::optional<std::vector<int>> endOfPrinting(const std::vector<PrintedRow>& rows, const QString& note) override;
    std::optional<int> askPeriod(const Date& date) override;
    void preview(const report::ReportDocument& document) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFields();
    QWidget* buildButtons();
    void applyUsWording();
    void act(const std::function<void()>& call);
    QString sessionPrinterName() const;

    Session& session_;
    QString helpFile_;
    std::unique_ptr<ChequePrintScreen> screen_;
    TUpdate_dlg* endOfPrinting_ = nullptr;

    QLineEdit* chequeNumber_;
    QLabel* numberLabel_;
    QComboBox* bank_;
    QCheckBox* printDialog_;
    QWidget* buttons_;
    bool filling_ = false;  // widgets being set from the screen's state: their signals are not user changes
};

}  // namespace orvant::vndcheqprint
