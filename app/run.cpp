#include "run.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "application.h"
#include "desktop_services.h"
#include "single_instance.h"
#include "widgets.h"

namespace asterine {

int Run(int argc, char* argv[], const std::function<void()>& started) {
    if (!DisplayAvailable()) {
        std::fputs("Asterine needs a graphical display, and none was found.\n", stderr);
        return 1;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication qtApplication(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());

    DesktopServices desktop;
    Application application(desktop.services());
    SingleInstance instance;
    if (!application.startUp(instance))
        return 0;
    if (started)
        QTimer::singleShot(0, &qtApplication, started);
    return QApplication::exec();
}

}  // namespace asterine
