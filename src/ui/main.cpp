#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "demo_window.h"
#include "fonts.h"

namespace {

constexpr std::string_view Usage =
    "Usage: corvane [--demo] [--help] [--version]\n"
    "Corvane, a card game for one player and three robots.\n"
    "\n"
    "  --demo     show the cards, trump symbols, message box and help, for a look\n"
    "  --help     show this text and leave\n"
    "  --version  show the version and leave\n";

bool hasArgument(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return true;
    }
    return false;
}

// Qt would abort with a message about platform plugins; say plainly what
// is missing instead.
bool noDisplay()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QtMessageHandler qtHandler = nullptr;

// While the window system is being reached, Qt's failure is fatal and ends
// in abort(); it is reported as a plain error and exit code instead.
void reportNoWindowSystem(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    qtHandler(type, context, text);
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "corvane: could not open a window on display '%s'.\n",
                 qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? qgetenv("DISPLAY").constData() : qgetenv("WAYLAND_DISPLAY").constData());
    std::_Exit(2);
}

}  // namespace

int main(int argc, char** argv)
{
    if (hasArgument(argc, argv, "--help")) {
        std::fwrite(Usage.data(), 1, Usage.size(), stdout);
        return 0;
    }
    if (hasArgument(argc, argv, "--version")) {
        std::printf("corvane %s\n", CORVANE_VERSION);
        return 0;
    }
    if (noDisplay()) {
        std::fputs("corvane: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under Xvfb with DISPLAY set.\n",
                   stderr);
        return 2;
    }

    qtHandler = qInstallMessageHandler(reportNoWindowSystem);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    corvane::installFontSubstitutes();

    if (hasArgument(argc, argv, "--demo")) {
        corvane::DemoWindow demo;
        demo.show();
        QTimer::singleShot(0, &demo, &corvane::DemoWindow::showSamples);
        return QApplication::exec();
    }

    QMainWindow table;
    table.setWindowTitle(QStringLiteral("Corvane"));
    table.resize(784, 695);
    table.show();
    return QApplication::exec();
}
