#include "entryscreens/entry_fields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "money/currency_format.h"
#include "ui/screen_actions.h"

namespace orvant::entryscreens {

QLineEdit* NamedEdit(QWidget* parent, const char* name, int width)
{
    auto* edit = Named(new QLineEdit(parent), name);
    if (width > 0) edit->setMaxLength(width);
    return edit;
}

PartyCode PlaceParty(QWidget& form, QGridLayout& grid, const PartyNames& names, QWidget* beside, bool besideStretches)
{
    PartyCode party{NamedEdit(&form, names.code, names.width), Named(new QPushButton("...", &form), names.list)};
    if (names.codeSkipsChecks) party.code->setProperty("tag", ui::kLeavingSkipsChecks);
    party.list->setToolTip(QString::fromUtf8(names.listHint));
    party.list->setAutoDefault(false);
    party.list->setFocusPolicy(Qt::NoFocus);
    party.list->setProperty("tag", ui::kLeavingSkipsChecks);
    auto* row = new QHBoxLayout;
    row->addWidget(party.code);
    row->addWidget(party.list);
    if (!besideStretches) row->addStretch();
    row->addWidget(beside, besideStretches ? 1 : 0);
    grid.addWidget(BuddyLabel(&form, names.label, names.caption, party.code), 0, 0);
    grid.addLayout(row, 0, 1, 1, 3);
    return party;
}

QLabel* BuddyLabel(QWidget* parent, const char* name, const char* caption, QWidget* buddy)
{
    auto* label = Named(new QLabel(QString::fromUtf8(caption), parent), name);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QString RowAmountText(Money amount) { return amount.isZero() ? QString() : QString::fromStdString(FormatAmount(amount)); }

std::optional<Money> AmountIn(const QLineEdit& edit)
{
    const std::string text = edit.text().trimmed().toStdString();
    return text.empty() ? Money() : ReadTypedAmount(text);
}

void ShowText(QLineEdit& edit, const QString& text)
{
    if (edit.text() != text && !(edit.hasFocus() && edit.isModified())) edit.setText(text);
}

}  // namespace orvant::entryscreens
