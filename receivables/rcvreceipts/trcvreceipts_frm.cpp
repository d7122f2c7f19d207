#include "trcvreceipts_frm.h"

namespace orvant::receipts {

namespace {

const sidedialogs::PaymentFormNames<ReceiptsScreen> kNames{
    "Trcvreceipts_frm",
    "Cash receipts current period is",
    206,
    nullptr,
    {{"Client_code_edit", kClientWidth, true, "ClientSearchBtn", "List of clients", "ClientLabel", "&Client code"},
     "ClientName", "CheckBox2", "Receipt not from a client", "CheckBox1", "NSF cheque", kReferenceWidth},
    {"TotalDBEdit", "TotalCDEdit"},
    9,
    kRowDescriptionWidth,
    ReceiptField::Client,
    ReceiptField::NotFromClient,
    &ReceiptsScreen::leaveClientCode,
    &ReceiptsScreen::pickClient,
    &ReceiptsScreen::setNotFromClient,
    &ReceiptsScreen::setNsfCheque,
    &ReceiptDocument::nsfCheque};

}  // namespace

Trcvreceipts_frm::Trcvreceipts_frm(Session& session, QString helpFile) : PaymentForm(session, std::move(helpFile), kNames) {}

// Where cheques are "checks", the NSF box says so, except on a French screen.
void Trcvreceipts_frm::started()
{
    const QString intl = Registry::open().value(kSettingsSection, u"Intl");
    if (intl.compare("y", Qt::CaseInsensitive) == 0 && session().language != 2)
        header().second->setText(ui::FormMessageText(*this, kNsfCheckCaption));
}

std::string Trcvreceipts_frm::pickClient()
{
    char code[kClientWidth + 1] = {};
    PickClient(LinkFor(session()), code, sizeof code);
    return code;
}

}  // namespace orvant::receipts
