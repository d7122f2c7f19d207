// The start-up splash behind the four calls of waitbox.h: one splash at a time, alive between
// open and close.

#include "waitbox.h"

#include <QApplication>
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

// The product above, the caption and the progress below.
class Splash : public QFrame {
public:
    Splash()
        : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          caption_(new QLabel(this)), progress_(new QProgressBar(this))
    {
        setObjectName(QStringLiteral("waitbox"));
        setFrameStyle(QFrame::Box | QFrame::Raised);
        auto* product = new QLabel(QStringLiteral("Orvant"), this);
        product->setObjectName(QStringLiteral("lblProduct"));
        QFont bold = product->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.5);
        product->setFont(bold);
        caption_->setObjectName(QStringLiteral("lblCaption"));
        progress_->setObjectName(QStringLiteral("progress"));
        progress_->setRange(0, kSteps);
        progress_->setValue(0);
        progress_->setTextVisible(false);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(24, 18, 24, 18);
        layout->addWidget(product);
        layout->addWidget(caption_);
        layout->addWidget(progress_);
        setMinimumWidth(360);
        adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
        show();
        paint();
    }

    void setCaption(int number)
    {
        static const char* const captions[] = {"Starting Orvant / Démarrage d'Orvant", "Loading the screens / Chargement des écrans"};
        caption_->setText(QString::fromUtf8(number >= 0 && number < 2 ? captions[number] : "Please wait / Veuillez patienter"));
        paint();
    }

    void step()
    {
        progress_->setValue(std::min(progress_->value() + 1, kSteps));
        paint();
    }

private:
    // The launcher starts without returning to the event loop, so the splash paints here; the
    // user's input waits for the launcher's window.
    static void paint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

    static constexpr int kSteps = 3;  // the launcher's three steps
    QLabel* caption_;
    QProgressBar* progress_;
};

// A guarded pointer rather than an owning one: a splash never closed is left to the end of the
// process instead of being deleted after the application that it needs.
QPointer<Splash> current;

// A splash that cannot show is no reason to stop the start-up: 0, and nothing is reported.
template <typename Action>
int quietly(Action action) noexcept
{
    try {
        return action() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // namespace

int loading_Dialog_open(void)
{
    return quietly([] {
        delete current.data();
        current = new Splash();
        return true;
    });
}

int loading_Dialog_caption(int number)
{
    return quietly([number] {
        if (current) current->setCaption(number);
        return !current.isNull();
    });
}

int loading_Dialog_step(void)
{
    return quietly([] {
        if (current) current->step();
        return !current.isNull();
    });
}

int loading_Dialog_close(void)
{
    return quietly([] {
        const bool open = !current.isNull();
        delete current.data();
        return open;
    });
}
