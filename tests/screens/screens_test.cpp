// Reference screens: the machine played on the virtual clock with the real pictures, its screen at chosen
// moments against tests/screens/*.png and each scenario's timeline (every input, every wait, the wait each
// sound starts on) against tests/screens/*.txt. FRUITWHIRL_UPDATE_SCREENS=1 rewrites them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <fstream>
#include <sstream>

#include "fakes.h"
#include "frontend/qt/qt_image_loader.h"
#include "presentation/digits.h"

namespace fw::test {
namespace {

const QString kReferences = QStringLiteral(FW_SCREENS_DIR);
const QString kActual = QStringLiteral(FW_SCREENS_OUT);
const QString kPictures = QStringLiteral(FW_PICTURES_DIR);

const bool kUpdating = qgetenv("FRUITWHIRL_UPDATE_SCREENS") == "1";

// A moment of an input: the screen during the n-th wait after a sound starts
// ("" for the input itself), or when the input has been handled (n < 0).
struct Moment {
    std::string name;
    std::string after = "";
    int waits = -1;
};

const Cell kSlot = places::CoinSlot;

class Film {
public:
    explicit Film(std::string scenario)
        : scenario_(std::move(scenario)),
          rig(Pictures{SurfaceFromImage(QImage(kPictures + "/sprites.png")),
                       SurfaceFromImage(QImage(kPictures + "/machine.png"))},
              loader_, kPictures.toStdString()) {
        rig.clock.onWait = [this] { OnWait(); };
    }
    ~Film() {
        const QString file = QString::fromStdString(scenario_) + ".txt";
        std::stringstream expected;
        expected << std::ifstream((kReferences + "/" + file).toStdString()).rdbuf();
        Compare(file, expected.str() == timeline_.str(),
                [&](const QString& path) { std::ofstream(path.toStdString()) << timeline_.str(); });
    }

    // Handles one input and takes the pictures of its moments.
    void Do(const std::string& caption, MachineEvent event, std::vector<Moment> moments = {}) {
        timeline_ << "> " << caption << "\n";
        waitBase_ = rig.clock.waits.size();
        soundBase_ = rig.sound.calls.size();
        moments_ = std::move(moments);
        shots_.clear();
        rig.Send(event);
        for (const Moment& moment : moments_)
            if (moment.waits < 0) Shot(moment.name);
        WriteEvent();
    }
    // Coins from the pile: the press, then the release at (x, y).
    void Coins(const std::string& caption, int button, float x, float y, std::vector<Moment> moments = {}) {
        Do(caption + " (pick up)", ev::Press{button, places::CoinPile.x + 10.0f, places::CoinPile.y + 10.0f});
        Do(caption + " (let go)", ev::Release{x, y, true}, std::move(moments));
    }
    void Press(const std::string& caption, const Cell& c, int button, std::vector<Moment> moments = {}) {
        Do(caption, ev::Press{button, c.x + c.w / 2.0f, c.y + c.h / 2.0f}, std::move(moments));
    }
    void StartUp(std::vector<Moment> moments = {}) {
        Do("start-up", ev::Load{}, std::move(moments));
        Do("activate", ev::Activate{});
    }
    // Started, a stack of coins in, and a first game without a win: holds allowed.
    void StartAndPlayAGame() {
        StartUp();
        Coins("a stack onto the slot", 2, kSlot.x + 15, kSlot.y + 13);
        rig.ScriptSteps({7, 7, 7});
        Press("lever", places::LeverKnob, 1);
    }
    // The configuration dialog answered with OK after change.
    void Configure(const std::string& caption, std::function<void(ConfigValues&)> change,
                   std::vector<Moment> moments) {
        rig.host.configDialog = [change](ConfigValues& v) { return change(v), true; };
        Do(caption, ev::MenuConfig{}, std::move(moments));
    }

private:
    void OnWait() {
        const std::size_t now = rig.clock.waits.size();
        for (const Moment& moment : moments_) {
            if (moment.waits < 0) continue;
            std::size_t start = waitBase_;
            bool started = moment.after.empty();
            for (std::size_t i = soundBase_; !started && i < rig.sound.calls.size(); ++i) {
                started = rig.sound.calls[i].ends_with(" " + moment.after);
                if (started) start = rig.sound.atWait[i];
            }
            if (started && now - start == static_cast<std::size_t>(moment.waits)) {
                shots_.push_back({now, "picture " + moment.name});
                Shot(moment.name);
            }
        }
    }

    // Compares what is seen or heard with its reference file: save writes it to the path given, the
    // reference when updating, else the actual one beside the build's when the two differ.
    void Compare(const QString& file, bool same, const std::function<void(const QString&)>& save) {
        if (kUpdating) return save(kReferences + "/" + file);
        if (same) return;
        QDir().mkpath(kActual);
        save(kActual + "/" + file);
        ADD_FAILURE() << file.toStdString() << " differs from its reference or has none; actual "
                      << (kActual + "/" + file).toStdString() << " (FRUITWHIRL_UPDATE_SCREENS=1 rewrites it)";
    }

    void Shot(const std::string& name) {
        const Surface& screen = rig.m.display.hdcScreen;
        const QString file = QString::fromStdString(name) + ".png";
        Compare(file, SurfaceFromImage(QImage(kReferences + "/" + file)) == screen, [&](const QString& path) {
            QImage(reinterpret_cast<const uchar*>(screen.pixels().data()), screen.width(), screen.height(),
                   QImage::Format_RGB32)
                .save(path);
        });
    }

    // The waits of the input, equal ones counted together, with its sounds and pictures between them.
    void WriteEvent() {
        const auto& waits = rig.clock.waits;
        std::vector<std::pair<std::size_t, std::string>> marks = shots_;
        for (std::size_t i = soundBase_; i < rig.sound.calls.size(); ++i)
            marks.push_back({rig.sound.atWait[i], "sound " + WithoutFolder(rig.sound.calls[i])});
        for (const Moment& moment : moments_)  // when the input has been handled
            if (moment.waits < 0) marks.push_back({waits.size(), "picture " + moment.name});
        std::stable_sort(marks.begin(), marks.end(), [](auto& a, auto& b) { return a.first < b.first; });
        std::size_t next = 0;
        for (std::size_t i = waitBase_; i <= waits.size(); ++i) {
            for (; next < marks.size() && marks[next].first == i; ++next)
                timeline_ << "  " << marks[next].second << "\n";
            if (i == waits.size()) break;
            std::size_t run = 1;
            while (i + run < waits.size() && waits[i + run] == waits[i] &&
                   (next >= marks.size() || marks[next].first > i + run))
                ++run;
            const auto ns = waits[i].count();
            timeline_ << "  wait " << (ns % 1'000'000 == 0 ? ns / 1'000'000 : ns)
                      << (ns % 1'000'000 == 0 ? " ms" : " ns") << (run > 1 ? " x" + std::to_string(run) : "")
                      << "\n";
            i += run - 1;
        }
    }

    // The program's folder differs between builds: it shows as "<folder>".
    std::string WithoutFolder(std::string text) const {
        const std::string folder = kPictures.toStdString();
        if (const auto at = text.find(folder); at != std::string::npos)
            text.replace(at, folder.size(), "<folder>");
        return text;
    }

    std::string scenario_;
    QtImageLoader loader_;
    std::ostringstream timeline_;
    std::size_t waitBase_ = 0, soundBase_ = 0;
    std::vector<Moment> moments_;
    std::vector<std::pair<std::size_t, std::string>> shots_;

public:
    Rig rig;
};

TEST(ReferenceScreens, StartUpCoinsAndAGameWithoutAWin) {
    Film f("start-and-play");
    f.StartUp({{"startup-wipe", "", 4}, {"startup"}});
    f.Coins("a stack onto the slot", 2, kSlot.x + 15, kSlot.y + 13,
            {{"coin-spinning", "", 2}, {"credits-5"}});
    f.Coins("one coin dropped on the reels", 1, 150, 120, {{"coin-falling", "", 20}});
    f.rig.ScriptSteps({7, 7, 7});
    f.Press("lever", places::LeverKnob, 1,
            {{"lever-down", "Lever", 6},
             {"spin-cascade", "WheelRun", 15},
             {"spin-reel-0-stopped", "Klonk1", 15},
             {"no-win"}});
    f.Do("expose", ev::Expose{});
}

TEST(ReferenceScreens, HeldSpins) {
    Film f("held-spins");
    f.StartAndPlayAGame();
    f.Press("hold reel 0", places::HoldButton(0), 1);
    f.Press("hold reel 2", places::HoldButton(2), 1, {{"holds-0-and-2"}});
    f.rig.ScriptSteps({11});
    f.Press("lever", places::LeverKnob, 1, {{"held-spin-reel-1", "WheelRun", 15}, {"held-spin-end"}});
    f.Press("hold refused", places::HoldButton(1), 1);
    f.rig.ScriptSteps({7, 7, 7});
    f.Press("lever", places::LeverKnob, 1);
    f.Press("hold reel 0", places::HoldButton(0), 1);
    f.rig.ScriptSteps({9, 14});
    f.Press("lever", places::LeverKnob, 1,
            {{"held-spin-reels-1-and-2", "WheelRun", 15}, {"held-spin-reel-2-alone", "Klonk2", 15}});
}

TEST(ReferenceScreens, HundredWinManiaAndTheBonusWheel) {
    Film f("win-mania-wheel");
    f.StartAndPlayAGame();
    f.rig.ScriptSteps({13, 11, 11});  // 9-10-12
    f.Press("lever: a hundred", places::LeverKnob, 1,
            {{"win-siren", "Siren8", 3},
             {"win-banner", "WinLow", 2},
             {"win-prize-lamp", "WinHigh", 1},
             {"win-payout-coin", "Pay", 5},
             {"win-100-mania-starts"}});
    f.Do("Mania tick 1", ev::Tick{TimerId::MultiCheck}, {{"mania-tick-1"}});
    f.rig.ScriptSteps({12, 7, 7});  // 9-2-4: a special symbol on reel 0
    f.Press("lever: a special symbol", places::LeverKnob, 1,
            {{"wheel-turning", "Tick", 6}, {"wheel-stopped", "CircHigh", 1}, {"wheel-paid"}});
    for (int t = 2; t <= 12; ++t) f.Do("Mania tick " + std::to_string(t), ev::Tick{TimerId::MultiCheck});
    f.Do("Mania tick 13", ev::Tick{TimerId::MultiCheck}, {{"mania-tick-13"}});
    f.Do("Mania tick 14", ev::Tick{TimerId::MultiCheck}, {{"mania-ends"}});
}

TEST(ReferenceScreens, PanelsAndQuit) {
    Film f("panels");
    f.StartUp();
    for (int i = 0; i < 20; ++i) DrawDigits(f.rig.m, kTakeOneCoin);
    f.Press("the pile with an empty purse", places::CoinPile, 1, {{"out-of-coins"}});
    f.Press("continue", places::PanelContinueButton, 1, {{"continue-pressed", "Coin", 1}, {"continued"}});
    f.Coins("one coin onto the slot", 1, kSlot.x + 15, kSlot.y + 13);
    DrawDigits(f.rig.m, 975);      // 994 in the purse
    f.rig.ScriptSteps({8, 7, 7});  // 2-2-5 pays 5: the purse reaches 999
    f.Press("lever", places::LeverKnob, 1, {{"five-in-the-tray"}});
    f.Coins("one coin onto the slot", 1, kSlot.x + 15, kSlot.y + 13);
    f.rig.ScriptSteps({9, 7, 7});  // 2-8-4 pays 2: the purse reaches 1000
    f.Press("lever", places::LeverKnob, 1, {{"offer"}});
    f.Press("continue", places::PanelContinueButton, 1);
    f.Coins("one coin onto the slot", 1, kSlot.x + 15, kSlot.y + 13);
    f.rig.ScriptSteps({9, 7, 7});  // 2-7-13 pays 2 again: no second offer
    f.Press("lever", places::LeverKnob, 1);
    for (int i = 0; i < 1001; ++i) DrawDigits(f.rig.m, kTakeOneCoin);
    f.Press("the pile with an empty purse", places::CoinPile, 1);
    f.Press("quit", places::PanelQuitButton, 1, {{"quit-pressed", "Door", 1}, {"quit-blank"}});
}

TEST(ReferenceScreens, RecordScreensAndTheirNames) {
    Film f("records");
    f.StartUp();
    DrawDigits(f.rig.m, 100);  // 120 ties with line 4 and goes above it
    f.Press("the reel window", places::DisplayWindow, 1, {{"high-scores"}});
    f.Configure("rename in the configuration", [](ConfigValues& v) { v.name = "Zoë-Ñúñez!"; },
                {{"high-scores-renamed"}});
    f.Press("line 6", places::ListLineStrip(6), 1,
            {{"list-line-blinks", "Click", 1}, {"statistics-stored-row"}});
    f.Configure("rename on a stored row's page", [](ConfigValues& v) { v.name = "Øre O'Łódź"; },
                {{"statistics-stored-row-renamed"}});
    f.Press("the page", places::DisplayWindow, 1, {{"reels-again"}});
    f.Press("the reel window", places::DisplayWindow, 2, {{"statistics-run"}});
    f.rig.clock.Advance(std::chrono::milliseconds(3'725'000));
    f.Do("the play-time clock", ev::Tick{TimerId::ElapsedTime}, {{"statistics-clock"}});
    f.Configure("rename in the configuration", [](ConfigValues& v) { v.name = "Ægir&Aşık?"; },
                {{"statistics-renamed"}});
    f.Press("the page", places::DisplayWindow, 1);
    f.Press("the reel window", places::DisplayWindow, 1);
    f.Configure("reset the list", [](ConfigValues& v) { v.resetHighScores = true; }, {{"high-scores-reset"}});
    f.Press("back to the reels from a line", places::ListLineStrip(2), 2);
    f.Do("theme 2", ev::MenuTheme{2}, {{"theme-2-wipe", "", 3}, {"theme-2"}});
    f.Do("theme 3", ev::MenuTheme{3}, {{"theme-3"}});
    f.Coins("one coin onto the slot", 1, kSlot.x + 15, kSlot.y + 13);
    f.rig.ScriptSteps({9, 7, 7});  // the horseshoe on the pay line
    f.Press("lever", places::LeverKnob, 1, {{"theme-3-game"}});
}

}  // namespace
}  // namespace fw::test
