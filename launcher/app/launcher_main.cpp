// The suite's main program: the start-up splash, the launcher's window, and the event loop until
// the window closes.

#include <dlfcn.h>

#include <QApplication>
#include <memory>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

#include "main_window.h"
#include "session/module_launch.h"
#include "settings/paths.h"
#include "settings/regional.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

// The last resort for an exception that an event handler let out: shown, and the loop goes on.
class LauncherApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            orvant::ui::HandleException(std::current_exception());
            return false;
        }
    }
};

// The splash library's four calls; when it cannot be loaded they are skipped.
class Splash {
public:
    explicit Splash(const QString& modulesDir)
        : handle_(dlopen(orvant::ModuleFile(modulesDir, QStringLiteral("waitbox")).toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL))
    {
    }
    ~Splash()
    {
        if (handle_) orvant::UnloadLibrary(handle_);
    }
    // A call that answers 0 says "Access denied..." and the start goes on.
    void call(const char* name, int argument = -1)
    {
        if (!handle_) return;
        int answer = 1;
        if (argument < 0) {
            if (auto f = reinterpret_cast<int (*)()>(dlsym(handle_, name))) answer = f();
        } else if (auto f = reinterpret_cast<int (*)(int)>(dlsym(handle_, name))) {
            answer = f(argument);
        }
        if (answer == 0) orvant::ui::Messages().show({orvant::ui::MessageKind::Plain, QStringLiteral("Access denied..."), -1, nullptr, false});
    }

private:
    void* handle_;
};

// For the documentation: once the user is in, the receivables menu is opened and the screen
// saved to the file named by ORVANT_SCREENSHOT, and the launcher closes.
void takeScreenshotWhenReady(orvant::launcher::MainWindow& window, const QString& file)
{
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, file] {
        if (!window.loggedIn()) return;
        poll->stop();
        const QList<QAction*> menus = window.menuBar()->actions();
        if (menus.size() > 1 && menus[1]->menu())
            menus[1]->menu()->popup(window.mapToGlobal(window.menuBar()->actionGeometry(menus[1]).bottomLeft()));
        QTimer::singleShot(800, &window, [&window, file] {
            const QRect area = window.frameGeometry();
            window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
            QApplication::quit();
        });
    });
    poll->start(50);
}

}  // namespace

int main(int argc, char** argv)
{
    LauncherApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvant"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvant"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const orvant::Registry registry = orvant::Registry::open();
    std::unique_ptr<orvant::launcher::MainWindow> window;
    {
        Splash splash(orvant::ModulesDir(registry));
        splash.call("loading_Dialog_open");
        splash.call("loading_Dialog_caption", 0);
        splash.call("loading_Dialog_step");
        splash.call("loading_Dialog_caption", 1);
        window = std::make_unique<orvant::launcher::MainWindow>();
        orvant::ApplyRegionalSettings(registry);
        splash.call("loading_Dialog_step");
        splash.call("loading_Dialog_step");
        splash.call("loading_Dialog_close");
    }
    // A 640-pixel screen has no room beside the window.
    if (QGuiApplication::primaryScreen() && QGuiApplication::primaryScreen()->size().width() == 640) window->showMaximized();
    else window->show();
    if (const QString shot = qEnvironmentVariable("ORVANT_SCREENSHOT"); !shot.isEmpty()) takeScreenshotWhenReady(*window, shot);
    return QApplication::exec();
}
