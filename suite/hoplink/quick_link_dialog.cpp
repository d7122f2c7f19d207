#include "quick_link_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "options/enabled_options.h"
#include "session/module_launch.h"
#include "session/user_session.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"

namespace orvant::suite {

namespace {

struct Named {
    const char* code;
    const char* english;
    const char* french;
};

constexpr Named kFunctions[] = {
    {"rcvsales", "Sales and adjustments", "Ventes et ajustements"},
    {"rcvreceipts", "Cash receipts", "Encaissements"},
    {"rcvaging", "Receivables aging", "Âge des comptes clients"},
    {"rcvclients", "Client maintenance", "Mise à jour des clients"},
    {"rcvinquiry", "Client inquiry", "Consultation des clients"},
    {"vndpurchases", "Purchases", "Achats"},
    {"vnddisburse", "Cash disbursements", "Déboursés"},
    {"vndaging", "Payables aging", "Âge des comptes fournisseurs"},
    {"vndundo", "Undo payables transactions", "Annulation de transactions fournisseurs"},
    {"vndsuppliers", "Supplier maintenance", "Mise à jour des fournisseurs"},
    {"vndinquiry", "Supplier inquiry", "Consultation des fournisseurs"},
    {"vndcheqlist", "List of cheques to be issued", "Liste des chèques à émettre"},
    {"vndcheqedit", "Cheque entry editing", "Modification des chèques"},
    {"vndcheqprint", "Cheque printing", "Impression des chèques"},
    {"vndcheqrecur", "Recurring cheques", "Chèques récurrents"},
};

bool french(int language) { return language == 2; }

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// What the launcher says of a function that cannot run.
QString failureText(const LaunchResult& result, const QString& code, int language)
{
    if (result.status == LaunchResult::Refused) return french(language) ? QStringLiteral("Accès refusé...") : QStringLiteral("Access denied...");
    const QString number = result.errorNumber ? QStringLiteral(" (%1)").arg(result.errorNumber) : QString();
    return (french(language) ? QStringLiteral("Erreur lors du chargement de l'option ") : QStringLiteral("Error loading option ")) +
           code + number + QStringLiteral(": ") + result.error;
}

}  // namespace

std::vector<SuiteFunction> SuiteFunctions(int language)
{
    std::vector<SuiteFunction> out;
    for (const Named& f : kFunctions)
        out.push_back({QString::fromLatin1(f.code), QString::fromUtf8(french(language) ? f.french : f.english)});
    return out;
}

QString QuickLinkDialog::titleFor(int language) { return french(language) ? QStringLiteral("Lien Rapide") : QStringLiteral("Quick Link"); }

QuickLinkDialog::QuickLinkDialog(const Session& session, std::vector<SuiteFunction> functions, QString modulesDir, QWidget* parent)
    : QDialog(parent), session_(session), functions_(std::move(functions)), modulesDir_(std::move(modulesDir))
{
    const bool fr = french(session.language);
    setObjectName(QStringLiteral("TQuickLink_frm"));
    setWindowTitle(titleFor(session.language));

    auto* filterLabel = new QLabel(fr ? QStringLiteral("&Chercher :") : QStringLiteral("&Find:"), this);
    filterLabel->setObjectName(QStringLiteral("FilterLabel"));
    filterEdit_ = new QLineEdit(this);
    filterEdit_->setObjectName(QStringLiteral("FilterEdit"));
    filterLabel->setBuddy(filterEdit_);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("FunctionList"));
    // Only what the user may open: the quick link is no way round the rights.
    const UserSecurity rights = SessionUserRights(session_);
    for (const SuiteFunction& f : functions_) {
        if (!MayOpen(rights, f.code)) continue;
        auto* item = new QListWidgetItem(f.name, list_);
        item->setData(Qt::UserRole, f.code);
    }
    list_->setCurrentRow(0);

    auto* run = button("RunButton", fr ? QStringLiteral("&Exécuter") : QStringLiteral("&Run"), this);
    auto* close = button("CloseButton", fr ? QStringLiteral("&Fermer") : QStringLiteral("&Close"), this);
    run->setDefault(true);
    connect(filterEdit_, &QLineEdit::textChanged, this, ui::Guarded([this](const QString& text) { filter(text); }));
    connect(filterEdit_, &QLineEdit::returnPressed, this, ui::Guarded([this] { runCurrent(); }));
    connect(list_, &QListWidget::itemActivated, this, ui::Guarded([this] { runCurrent(); }));
    connect(run, &QPushButton::clicked, this, ui::Guarded([this] { runCurrent(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* find = new QHBoxLayout;
    find->addWidget(filterLabel);
    find->addWidget(filterEdit_);
    layout->addLayout(find);
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(360, 420);
}

// Keeps the functions whose name holds the typed text, the first of them chosen.
void QuickLinkDialog::filter(const QString& text)
{
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const bool shown = item->text().contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first) first = item;
    }
    list_->setCurrentItem(first);
}

void QuickLinkDialog::runCurrent()
{
    QListWidgetItem* item = list_->currentItem();
    if (!item || item->isHidden()) return;
    const QString code = item->data(Qt::UserRole).toString();
    hide();
    const LaunchResult result = LaunchModule(modulesDir_, code, session_, true);
    if (result.status != LaunchResult::Ran)
        ui::Messages().show({ui::MessageKind::Error, failureText(result, code, session_.language), -1, nullptr, false});
    accept();
}

}  // namespace orvant::suite
