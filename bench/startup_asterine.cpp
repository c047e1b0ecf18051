// The program's own start-up, as main() runs it, ending once the
// birth-details form is shown.

#include <QApplication>
#include <QTimer>

#include "app/application.h"
#include "app/single_instance.h"
#include "app/widgets.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication qtApplication(argc, argv);
    QApplication::setWindowIcon(asterine::ProgramIcon());

    asterine::DialogMessageService messages;
    asterine::DesktopUrlOpener urls;
    asterine::SystemClock clock;
    asterine::TimerSeededRandom random;
    asterine::UserSettingsLocation settings;
    asterine::EventLoopEnder ender;
    asterine::Application application({&messages, &urls, &clock, &random, &settings, &ender});

    asterine::SingleInstance instance;
    if (!application.startUp(instance))
        return 1;
    QTimer::singleShot(0, &qtApplication, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
