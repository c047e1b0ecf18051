// Asterine: fixed-star astrology readings.

#include <QApplication>

#include <cstdio>

#include "application.h"
#include "single_instance.h"
#include "widgets.h"

int main(int argc, char* argv[]) {
    if (!asterine::DisplayAvailable()) {
        std::fputs("Asterine needs a graphical display, and none was found.\n", stderr);
        return 1;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication qtApplication(argc, argv);
    QApplication::setWindowIcon(asterine::ProgramIcon());

    asterine::DialogMessageService messages;
    asterine::DesktopUrlOpener urls;
    asterine::SystemClock clock;
    asterine::TimerSeededRandom random;
    asterine::UserSettingsLocation settings;
    asterine::EventLoopEnder ender;
    asterine::Application application(
        {&messages, &urls, &clock, &random, &settings, &ender});

    asterine::SingleInstance instance;
    if (!application.startUp(instance))
        return 0;
    return QApplication::exec();
}
