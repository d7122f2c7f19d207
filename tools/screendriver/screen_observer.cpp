#include "screen_observer.h"

#include <QApplication>
#include <QEvent>

#include "screen_lookup.h"
#include "script_tokens.h"
#include "transcript.h"

namespace orvant::screendriver {

ScreenObserver::ScreenObserver(Transcript& transcript) : transcript_(transcript)
{
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

ScreenObserver::~ScreenObserver() { qApp->removeEventFilter(this); }

bool ScreenObserver::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowTitleChange) return false;
    const auto* window = qobject_cast<const QWidget*>(watched);
    if (window && IsWorkWindow(*window)) {
        const QString name = ControlName(window);
        if (type == QEvent::Show) transcript_.event(QStringLiteral("shown %1 %2").arg(name, Quoted(window->windowTitle())));
        else if (type == QEvent::Hide) transcript_.event(QStringLiteral("closed %1").arg(name));
        else if (window->isVisible()) transcript_.event(QStringLiteral("caption %1 %2").arg(name, Quoted(window->windowTitle())));
    }
    return false;
}

void ScreenObserver::focusMoved(QWidget* now)
{
    if (now) transcript_.event(QStringLiteral("focus ") + ControlName(now));
}

}  // namespace orvant::screendriver
