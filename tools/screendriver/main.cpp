// screendriver: plays a script against a module's screen and prints what happened.

#include <QApplication>
#include <iostream>

#include "driver.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says this of every window it shows; it tells nothing about the screen.
void withoutPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("does not support propagateSizeHints"))) qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv)
{
    // Screens are driven off screen unless another platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(withoutPlatformNoise);
    QApplication app(argc, argv);
    return orvant::screendriver::RunScreenDriver(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
