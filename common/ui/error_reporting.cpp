#include "ui/error_reporting.h"

#include <algorithm>

#include "ui/error_form.h"
#include "ui/message_service.h"

namespace orvant::ui {

namespace {

ErrorReporter* innermost = nullptr;

const QString kUnknown = QStringLiteral("xxxxx");

QString text(const std::string& s) { return QString::fromStdString(s); }

QString messageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void showAlone(const QString& message)
{
    Messages().show({MessageKind::Error, message, -1, nullptr, false});
}

}  // namespace

ErrorReporter::ErrorReporter(ErrorForm& form, int language, std::function<void()> closeScreen)
    : form_(form), language_(language), closeScreen_(std::move(closeScreen)), outer_(innermost)
{
    innermost = this;
}

ErrorReporter::~ErrorReporter() { innermost = outer_; }

ErrorReporter* ErrorReporter::current() { return innermost; }

void ErrorReporter::showError(const QString& category, const QString& code, const QString& message)
{
    const ErrorReport report{category, code, message};
    form_.fill(report);
    Messages().showErrorForm(form_, report);
}

void ErrorReporter::showDbError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const store::StoreError& e) {
        if (e.isRecordLocked()) {
            lockState_ = LockState::Locked;
            return;
        }
        showError(QString::number(e.last().category()), QString::number(e.last().subCode()), QString::fromUtf8(e.what()));
    } catch (const SilentAbort&) {
        throw;
    } catch (...) {
        showError(kUnknown, kUnknown, messageOf(std::current_exception()));
    }
    throw SilentAbort();
}

void ErrorReporter::runWithLockRetry(const std::function<void()>& operation, const store::LockRetry& retry)
{
    clearLock();
    store::LockRetry noting = retry;
    noting.waiting = [&](const store::StoreError& e) {
        lockState_ = LockState::Locked;
        if (retry.waiting) retry.waiting(e);
    };
    store::RunWithLockRetry(
        [&] {
            try {
                operation();
            } catch (const store::StoreError& e) {
                if (e.isRecordLocked()) throw;
                showDbError(std::current_exception());
            }
        },
        noting);
    clearLock();
}

void ErrorReporter::onAppException(std::exception_ptr error) noexcept
{
    try {
        try {
            std::rethrow_exception(error);
        } catch (const SilentAbort&) {
            return;
        } catch (const store::StoreError& e) {
            if (e.isRecordLocked())
                Messages().show({MessageKind::Warning, LockConflictText(e, language_), -1, nullptr, false});
            else
                showError(QString::number(e.last().category()), QString::number(e.last().subCode()), QString::fromUtf8(e.what()));
            if (closeScreen_) closeScreen_();
        } catch (...) {
            showError(kUnknown, kUnknown, messageOf(std::current_exception()));
        }
    } catch (...) {
        // Showing the error failed too (no memory, a broken display): nothing more can be said.
    }
}

QString LockConflictText(const store::StoreError& error, int language)
{
    const bool french = language == 2;
    QString s = french ? QStringLiteral("Cet enregistrement est utilisé par un autre poste de travail")
                       : QStringLiteral("This record is in use by another workstation");
    if (const auto& holder = error.holder())
        s += QStringLiteral(" (%1, session %2)").arg(text(holder->user)).arg(holder->session);
    s += french ? QStringLiteral(". L'écran va se fermer.") : QStringLiteral(". The screen will close.");
    return s;
}

void ShowError(const QString& category, const QString& code, const QString& message)
{
    if (innermost) innermost->showError(category, code, message);
    else showAlone(category + " " + code + ": " + message);
}

void ShowDbError(std::exception_ptr error)
{
    if (innermost) return innermost->showDbError(error);
    showAlone(messageOf(error));
    throw SilentAbort();
}

LockState CurrentLockState() { return innermost ? innermost->lockState() : LockState::Clear; }

void ClearLock()
{
    if (innermost) innermost->clearLock();
}

void RunWithLockRetry(const std::function<void()>& operation, const store::LockRetry& retry)
{
    if (innermost) return innermost->runWithLockRetry(operation, retry);
    store::RunWithLockRetry(operation, retry);
}

bool LeavesStoreUsable(const store::StoreError& error)
{
    const auto& entries = error.entries();
    return std::none_of(entries.begin(), entries.end(), [](const store::ErrorEntry& e) { return e.code == store::errc::kConnection; });
}

void RunPosting(const std::function<void()>& posting)
{
    try {
        posting();
    } catch (const store::StoreError& e) {
        if (!LeavesStoreUsable(e)) throw;
        ShowError(QString::number(e.last().category()), QString::number(e.last().subCode()), QString::fromUtf8(e.what()));
        throw SilentAbort();
    }
}

void HandleException(std::exception_ptr error) noexcept
{
    if (innermost) return innermost->onAppException(error);
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort&) {
    } catch (...) {
        try {
            showAlone(messageOf(std::current_exception()));
        } catch (...) {
        }
    }
}

}  // namespace orvant::ui
