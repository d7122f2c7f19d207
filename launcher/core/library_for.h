#pragma once
// Which module library an option code runs. The general ledger's report designer and report
// printer serve every ledger: the receivables, payables and payroll report options run them
// with `LedgerCode` naming their ledger.

#include <QString>
#include <QStringView>
#include <optional>

namespace orvant::launcher {

struct LibraryChoice {
    QString library;
    std::optional<QString> ledgerCode;  // nothing: `LedgerCode` stays as it is
};

LibraryChoice LibraryFor(QStringView code);

}  // namespace orvant::launcher
