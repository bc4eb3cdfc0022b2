// The desktop program's entry: one Tallywick per data folder, in a window and the notification
// area.

#include "ui/common/appicon.h"
#include "ui/common/translation.h"
#include "ui/main/commandline.h"
#include "ui/main/program.h"
#include "ui/main/terminationsignals.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// The window systems to try, in the order the desktop suggests, and last the one that needs no
// display, so that failing to reach the display is noticed here instead of aborting.
QByteArray PlatformsToTry()
{
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                         (qEnvironmentVariableIsEmpty("DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland");
    return wayland ? "wayland;xcb;offscreen" : "xcb;wayland;offscreen";
}

// Help and the version need no display: asked for where there is none, they should not warn.
bool AsksForHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v" ||
            argument == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // A termination signal from here on runs the save sequence and ends the program quietly.
    tallywick::TerminationSignals::catchEarly();
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!platformChosen)
        qputenv("QT_QPA_PLATFORM", AsksForHelpOrVersion(argc, argv) ? QByteArray("offscreen") : PlatformsToTry());
    QApplication app(argc, argv);
    // Programs started from here choose for themselves.
    if (!platformChosen)
        qunsetenv("QT_QPA_PLATFORM");
    QApplication::setApplicationName(QStringLiteral("Tallywick"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tallywick"));
    QApplication::setWindowIcon(tallywick::AppIcon());
    tallywick::InstallTranslations(app, QLocale(), tallywick::TranslationsFolder());

    tallywick::ProgramCommandLine commandLine;
    commandLine.parser().process(app);

    if (!platformChosen && QApplication::platformName() == QLatin1String("offscreen")) {
        const QByteArray display = qgetenv("DISPLAY");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        std::fprintf(stderr,
                     "tallywick: no display to show a window on (DISPLAY=%s, WAYLAND_DISPLAY=%s).\n"
                     "Start it from a desktop session, or use tallywick-cli, which needs none.\n",
                     display.isEmpty() ? "unset" : display.constData(),
                     wayland.isEmpty() ? "unset" : wayland.constData());
        return EXIT_FAILURE;
    }

    tallywick::Program program(commandLine.setup());
    QObject::connect(&program, &tallywick::Program::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!program.start() || program.hasEnded())
        return program.startFailed() ? EXIT_FAILURE : EXIT_SUCCESS;
    return QApplication::exec();
}
