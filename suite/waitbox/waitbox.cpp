// The start-up splash behind the four calls of waitbox.h: one splash at a time, alive between
// Create and Free.

#include "waitbox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

// The caption above, what is being done below.
class Splash : public QFrame {
public:
    explicit Splash(const QString& caption)
        : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), step_(new QLabel(this))
    {
        setObjectName(QStringLiteral("waitbox"));
        setFrameStyle(QFrame::Box | QFrame::Raised);
        auto* title = new QLabel(caption, this);
        title->setObjectName(QStringLiteral("lblCaption"));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        step_->setObjectName(QStringLiteral("lblStep"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(24, 18, 24, 18);
        layout->addWidget(title);
        layout->addWidget(step_);
        setMinimumWidth(360);
    }

    void showCentred()
    {
        adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
        show();
    }

    void step(const QString& text) { step_->setText(text); }

private:
    QLabel* step_;
};

// A guarded pointer rather than an owning one: a splash never freed is left to the end of the
// process instead of being deleted after the application that it needs.
QPointer<Splash> current;

// A splash that cannot show is no reason to stop the start-up, so nothing is reported.
template <typename Action>
void quietly(Action action) noexcept
{
    try {
        action();
    } catch (...) {
    }
}

}  // namespace

void loading_Dialog_Create(const char* caption)
{
    quietly([caption] {
        delete current.data();
        current = new Splash(QString::fromUtf8(caption));
    });
}

void loading_Dialog_Show(void)
{
    quietly([] {
        if (current) current->showCentred();
    });
}

void loading_Dialog_Step(const char* text)
{
    quietly([text] {
        if (!current) return;
        current->step(QString::fromUtf8(text));
        // The start-up runs without returning to the event loop, so the splash paints here;
        // the user's input waits for the launcher's window.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void loading_Dialog_Free(void)
{
    quietly([] { delete current.data(); });
}
