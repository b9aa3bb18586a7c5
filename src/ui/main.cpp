#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>

#include "card_deck.h"
#include "demo_window.h"
#include "fonts.h"
#include "settings.h"
#include "sound_player.h"
#include "table/deal_number.h"
#include "table_window.h"

namespace {

constexpr std::string_view Usage =
    "Usage: corvane [--data-dir DIR] [--seed N] [--deal N] [--pace normal|fast|instant] [--demo]\n"
    "               [--record FILE]\n"
    "       corvane --help | --version | --print-paths\n"
    "Corvane, a card game for one player and three robots.\n"
    "\n"
    "  --data-dir DIR  keep the names and statistics in DIR\n"
    "  --seed N        deal the same cards as every other run with seed N\n"
    "  --deal N        start at once a game from deal number N (0 to 17179869183), as\n"
    "                  Play > Deal Number does; such a game is not counted in the statistics\n"
    "  --pace P        how fast the robots play: normal, fast or instant\n"
    "  --demo          show the cards, trump symbols, message box and help, for a look\n"
    "  --help          show this text and leave\n"
    "  --version       show the version and leave\n"
    "  --print-paths   show where the sounds and the card deck are read from, and leave\n"
    "  --record FILE   append the record of every game played to FILE, as JSON Lines;\n"
    "                  corvane-sim --replay FILE plays it again\n";

bool hasArgument(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return true;
    }
    return false;
}

// The value after `name`, if the option is given.
std::optional<std::string_view> optionValue(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return std::string_view(argv[i + 1]);
    }
    return std::nullopt;
}

// Reads the options of the table; false, with a line on standard error,
// when one of them makes no sense.
bool tableOptions(int argc, char** argv, corvane::TableOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const bool takesValue = std::strcmp(argv[i], "--data-dir") == 0 || std::strcmp(argv[i], "--seed") == 0 ||
                                std::strcmp(argv[i], "--deal") == 0 || std::strcmp(argv[i], "--pace") == 0 ||
                                std::strcmp(argv[i], "--record") == 0;
        if (takesValue && i + 1 == argc) {
            std::fprintf(stderr, "corvane: %s needs a value.\n", argv[i]);
            return false;
        }
    }
    if (const auto dir = optionValue(argc, argv, "--data-dir"))
        options.dataDir = std::filesystem::path(*dir);
    if (const auto seed = optionValue(argc, argv, "--seed")) {
        char* end = nullptr;
        const std::string text(*seed);
        options.seed = std::strtoull(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || options.seed == 0) {
            std::fprintf(stderr, "corvane: the seed must be a whole number from 1 up, not '%s'.\n", text.c_str());
            return false;
        }
    }
    if (const auto deal = optionValue(argc, argv, "--deal")) {
        const corvane::DealEntry entry = corvane::readDealNumber(*deal);
        if (!entry.number) {
            std::fprintf(stderr, "corvane: %s\n", entry.error.c_str());
            return false;
        }
        options.deal = entry.number;
    }
    if (const auto file = optionValue(argc, argv, "--record")) {
        options.recordFile = std::string(*file);
        if (!std::ofstream(options.recordFile, std::ios::app)) {
            std::fprintf(stderr, "corvane: cannot write the record to '%s'.\n", options.recordFile.c_str());
            return false;
        }
    }
    if (const auto pace = optionValue(argc, argv, "--pace")) {
        if (*pace == "normal")
            options.choices.pace = corvane::Pace::Normal;
        else if (*pace == "fast")
            options.choices.pace = corvane::Pace::Fast;
        else if (*pace == "instant")
            options.choices.pace = corvane::Pace::Instant;
        else {
            std::fprintf(stderr, "corvane: the pace is normal, fast or instant, not '%.*s'.\n",
                         static_cast<int>(pace->size()), pace->data());
            return false;
        }
    }
    return true;
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

// The folders found the same way as the window finds them; needs no display.
int printPaths(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    const QString deck = corvane::findDeckFile();
    std::printf("sounds: %s\n", qPrintable(corvane::SoundPlayer::defaultFolder()));
    std::printf("card deck: %s\n", deck.isEmpty() ? "none, plain faces drawn" : qPrintable(deck));
    std::puts("help: built into the program");
    return 0;
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
    if (hasArgument(argc, argv, "--print-paths"))
        return printPaths(argc, argv);
    corvane::TableOptions options;
    if (!tableOptions(argc, argv, options))
        return 1;
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

    // The remembered choices, unless the command line says otherwise.
    corvane::Settings settings;
    const corvane::Pace asked = options.choices.pace;
    corvane::takeRememberedChoices(options, settings);
    if (optionValue(argc, argv, "--pace"))
        options.choices.pace = asked;
    corvane::TableWindow table(options);
    // exit, not quit: quit would ask every window first, and the table asks back.
    QObject::connect(
        &table, &corvane::TableWindow::programEnded, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    table.show();
    return QApplication::exec();
}
