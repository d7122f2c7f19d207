#pragma once
// What every entry form answers its screen's logic alike, whatever the screen (`Host` names
// what the logic asks): the form's messages, the box shown while a record held on another
// workstation is waited for, the list of accounts, the tax-per-rate and period dialogs.

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "pickers.h"
#include "session/module_frame.h"
#include "session/session.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "ui/form_messages.h"
#include "ui/screen_actions.h"

namespace orvant::entryscreens {

template <class Host>
class FormAnswers : public Host {
public:
    ui::Answer message(int number, ui::MessageKind kind) override { return ui::ShowFormMessage(form_, number, kind); }
    void waiting(const std::string& text) override { wait_.show(QString::fromStdString(text)); }
    bool waitCancelled() override { return wait_.cancelled(); }
    void waitOver() override { wait_.close(); }
    int pickAccount() override { return PickAccount(LinkFor(session_)); }
    std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) override
    {
        return taxes_->run(lines);
    }
    std::optional<int> askPeriod(int period) override { return period_->run(period, session_.language); }

protected:
    // `form` shows the messages and owns the wait box.
    FormAnswers(QDialog& form, Session& session) : form_(form), session_(session), wait_(form) {}

    Session& session() const { return session_; }
    // The dialogs, made once with the module's other forms.
    void useDialogs(sidedialogs::Ttaxperrate_dlg* taxes, sidedialogs::Tperiod_dlg* period)
    {
        taxes_ = taxes;
        period_ = period;
    }

private:
    QDialog& form_;
    Session& session_;
    ui::RecordWaitBox wait_;
    sidedialogs::Ttaxperrate_dlg* taxes_ = nullptr;
    sidedialogs::Tperiod_dlg* period_ = nullptr;
};

}  // namespace orvant::entryscreens
