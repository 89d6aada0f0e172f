// Fruitwhirl: a three-reel fruit machine.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "edition/keys.h"
#include "edition/language.h"
#include "edition/odds_rows.h"
#include "frontend/qt/embedded.h"
#include "frontend/qt/main_window.h"
#include "frontend/qt/qt_image_loader.h"
#include "frontend/qt/qt_pacing.h"
#include "frontend/qt/qt_settings_store.h"
#include "frontend/qt/signals.h"
#include "frontend/qt/single_instance.h"
#include "frontend/qt/theme_folder.h"
#include "frontend/qt/translations.h"
#include "frontend/real_random.h"
#include "frontend/sdl/sdl_sound_control.h"
#include "machine/machine.h"
#include "platform/ini_text.h"
#include "platform/words.h"
#include "shell/events.h"
#include "shell/trace.h"

namespace {

// What --help says, in the player's language.
std::string Usage() {
    return fw::Tr("help",
                  "Usage: fruitwhirl [--scale N] [--odds] [--help] [--version]\n"
                  "A three-reel fruit machine.\n"
                  "\n"
                  "  --scale N    show the machine N times its size, a whole number from 1 to 16;\n"
                  "               by default the size chosen last, at first the largest that fits\n"
                  "               in half the screen's height\n"
                  "  --odds       print the exact odds and payouts in the long run and exit\n"
                  "  -h, --help   show this text and exit\n"
                  "  --version    show the version and exit\n"
                  "\n"
                  "Settings and high scores are kept in $XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini\n"
                  "(~/.config/Fruitwhirl/Fruitwhirl.ini when XDG_CONFIG_HOME is not set). Beside it:\n"
                  "  Fruitwhirl.recovery   the run under way, written after every game; a run that\n"
                  "                        ends without a quit is entered from it at the next start\n"
                  "  Fruitwhirl-damaged-DATE-TIME.ini (.recovery)\n"
                  "                        a file that could not be read cleanly, kept as it was\n"
                  "  Fruitwhirl.lock       held while a game runs: one game per settings folder\n"
                  "\n"
                  "SIGTERM, SIGINT and SIGHUP quit as the Quit menu item does, saving the records;\n"
                  "a second one ends the program at once.\n"
                  "\n"
                  "The game speaks the language of the configuration, or the system's (LANGUAGE,\n"
                  "LC_ALL, LC_MESSAGES, LANG).\n");
}

struct Options {
    int scale = 0;  // 0: choose from the screen
};

// Reads the command line; returns an exit status when the program should stop.
std::optional<int> ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage().c_str(), stdout);
            std::printf("\n%s", fw::KeysHelp().c_str());
            return 0;
        }
        if (arg == "--odds") {
            std::fputs(fw::LongRunOddsText().c_str(), stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("Fruitwhirl %s\n", FW_VERSION);
            return 0;
        }
        std::string value;
        if (arg == "--scale" && i + 1 < argc) {
            value = argv[++i];
        } else if (arg.rfind("--scale=", 0) == 0) {
            value = arg.substr(8);
        } else {
            std::fprintf(stderr, "fruitwhirl: %s\n%s",
                         fw::Fill(fw::Tr("help", "unknown option '%1'"), {arg}).c_str(), Usage().c_str());
            return 2;
        }
        char* end = nullptr;
        const long scale = std::strtol(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || scale < 1 || scale > 16) {
            std::fprintf(
                stderr, "fruitwhirl: %s\n",
                fw::Fill(fw::Tr("help", "--scale needs a whole number from 1 to 16, not '%1'"), {value})
                    .c_str());
            return 2;
        }
        options.scale = static_cast<int>(scale);
    }
    return std::nullopt;
}

// The program's own folder, known before the application is made (--help
// speaks the player's language from the catalogues there).
QString ProgramFolder(const char* argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString program = self.exists() ? self.canonicalFilePath() : QString::fromLocal8Bit(argv0);
    return QFileInfo(program).absolutePath();
}

// The folder with Gfx/, Sfx/, l10n/ and manual.txt: beside the program (the build
// tree), else the data folder of an installed program relative to its own
// folder (../share/fruitwhirl, so a package unpacked anywhere or a moved prefix
// still runs), else the data folder configured at build time.
std::string DataFolder(const QString& beside) {
    for (const QString& folder : {beside, QDir::cleanPath(beside + QStringLiteral("/" FW_DATA_DIR_RELATIVE)),
                                  QStringLiteral(FW_DATA_DIR)}) {
        if (QFileInfo(folder + "/Gfx").isDir()) return QDir::toNativeSeparators(folder).toStdString();
    }
    return QDir::toNativeSeparators(beside).toStdString();
}

fw::Surface BuiltInPicture(const char* name) {
    const auto bytes = fw::Embedded(name);
    return fw::SurfaceFromBytes(bytes.data(), bytes.size());
}

QIcon WindowIcon() {
    QIcon icon;
    // Every size of the icon that is built in: fruitwhirl-16, fruitwhirl-32, ...
    for (std::size_t i = 0; i < fw::kEmbeddedFileCount; ++i) {
        const fw::EmbeddedFile& file = fw::kEmbeddedFiles[i];
        if (!std::string_view(file.name).starts_with("fruitwhirl-")) continue;
        QPixmap pixmap;
        pixmap.loadFromData(file.data, static_cast<uint>(file.size));
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The language the settings file chose, read before the lock is taken and
// without changing the file, by the store's own reader (a FIFO or a device in
// its place is not read).
int StoredLanguageChoice(const QString& settingsFile) {
    const QFileInfo info(settingsFile);
    fw::QtStoreBytes files(info.absolutePath());
    return fw::LanguageChoiceIn(files.Read(info.fileName().toStdString(), fw::kLargestSettingsText).bytes);
}

}  // namespace

int main(int argc, char** argv) {
    fw::TraceMark("launch");
    const std::string dataFolder = DataFolder(ProgramFolder(argv[0]));
    // The language the configuration chose, from the first word on: --help and
    // the lock's messages speak it too.
    const QString settingsFile = fw::DefaultSettingsFile();
    fw::Translations translations(QString::fromStdString(dataFolder));
    translations.Speak(translations.CodeFor(StoredLanguageChoice(settingsFile)));
    Options options;
    if (const auto status = ParseOptions(argc, argv, options)) return *status;
    fw::InstallSignalPipe();

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Fruitwhirl");
    QApplication::setApplicationName("Fruitwhirl");
    QApplication::setApplicationVersion(FW_VERSION);
    QApplication::setDesktopFileName(QStringLiteral(FW_APP_ID));
    QApplication::setWindowIcon(WindowIcon());
    translations.Install();

    // The signals end every window from here on, the lock's messages too.
    fw::ReadSignalPipe();

    fw::SingleInstance instance(settingsFile);
    switch (instance.Acquire()) {
        case fw::SingleInstance::Lock::Held:
            break;
        case fw::SingleInstance::Lock::GameRuns:
            return instance.TellAlreadyRunning();
        case fw::SingleInstance::Lock::Uncertain:
            if (!instance.OfferTakeOver()) return 0;
            break;
    }
    // Asked to quit before any game began: there is nothing to keep.
    if (fw::QuitAsked()) return 0;

    // The store first: the window starts at the view it keeps.
    fw::QtSettingsStore store(settingsFile);
    fw::MainWindow window(options.scale, &store);
    window.setTranslations(&translations);
    fw::QtPacing pacing(window.screen());
    fw::PacedClock clock(pacing);
    fw::RealRandom random;
    fw::SdlSoundControl sound;
    fw::QtImageLoader images;

    fw::Machine machine(fw::Platform{clock, random, sound, store, images, window},
                        fw::Pictures{BuiltInPicture("sprites"), BuiltInPicture("machine")}, dataFolder);
    machine.themes.UserGfxPath = fw::UserThemeFolder();
    window.attach(&machine);

    QTimer::singleShot(0, &window, [&machine, &window] {
        fw::WatchForQuit(machine, window);
        fw::Post(machine, fw::ev::Load{});  // returns when the start-up has run to its end
        if (fw::HasEnded(machine)) return;
        fw::TraceMark("ready");
        if (std::getenv("FRUITWHIRL_TRACE")) {
            // Where the machine's picture lies on the screen, for tools that drive it.
            const QPoint origin = window.screen()->pictureOrigin();
            std::fprintf(stderr, "trace-geometry %d %d %g\n", origin.x(), origin.y(),
                         window.screen()->pictureScale());
            std::fflush(stderr);
        }
    });
    const int status = app.exec();
    // A quit that ran after the event loop was told to end still says how it went.
    return fw::HasEnded(machine) ? fw::ExitStatus(machine) : status;
}
