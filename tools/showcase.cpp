// Plays the machine through its states on a virtual clock with the real
// pictures and writes what the screen shows at each of them, scaled up, so the
// art can be looked at without clicking through the game:
//   showcase OUTDIR [SCALE]
// It writes startup, coins, game, win-100-mania, high-scores, statistics,
// out-of-coins and offer, each OUTDIR/NAME.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "fakes.h"
#include "frontend/qt/embedded.h"
#include "frontend/qt/qt_image_loader.h"
#include "machine/machine.h"
#include "presentation/digits.h"

namespace {

using namespace fw;
using namespace fw::test;

Surface BuiltIn(const char* name) {
    const auto bytes = Embedded(name);
    return SurfaceFromBytes(bytes.data(), bytes.size());
}

class Showcase {
public:
    Showcase(const QString& out, int scale, const std::string& appFolder)
        : out_(out),
          scale_(scale),
          rig_(Pictures{BuiltIn("sprites"), BuiltIn("machine")}, images_, appFolder),
          m(rig_.m) {}

    void Send(MachineEvent event) { rig_.Send(event); }
    void Steps(std::vector<int> steps) { rig_.ScriptSteps(std::move(steps)); }
    void Coins(int button) { rig_.InsertCoins(button); }
    void Lever() { rig_.PullLever(); }

    void Shot(const char* name) {
        QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
        for (int y = 0; y < kScreenHeight; ++y)
            for (int x = 0; x < kScreenWidth; ++x)
                image.setPixel(x, y, 0xFF000000u | m.display.hdcScreen.pixel(x, y));
        const QString path = out_ + "/" + name + ".png";
        image
            .scaled(kScreenWidth * scale_, kScreenHeight * scale_, Qt::IgnoreAspectRatio,
                    Qt::FastTransformation)
            .save(path);
        std::printf("%s\n", path.toLocal8Bit().constData());
    }

private:
    QString out_;
    int scale_;
    QtImageLoader images_;
    Rig rig_;

public:
    Machine& m;
};

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const char* const usage =
        "usage: showcase OUTDIR [SCALE]\n"
        "Plays the machine on a virtual clock and saves every screen into OUTDIR at SCALE (3).\n";
    const bool help = argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
    if (help) {
        std::fputs(usage, stdout);
        return 0;
    }
    // An option is no folder name: a mistyped one must not become a folder.
    const int scale = argc > 2 ? std::atoi(argv[2]) : 3;
    if (argc < 2 || argc > 3 || argv[1][0] == '-' || scale < 1) {
        std::fputs(usage, stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const std::string appFolder = QCoreApplication::applicationDirPath().toStdString();

    {
        Showcase s(out, scale, appFolder);
        s.Send(ev::Load{});
        s.Shot("startup");
        s.Coins(2);
        s.Coins(1);
        s.Shot("coins");
        s.Steps({7, 7, 7});
        s.Lever();
        s.Shot("game");
        s.Steps({13, 11, 11});  // 9-10-12: a hundred, and Mania
        s.Lever();
        for (int i = 0; i < 9; ++i) s.Send(ev::Tick{TimerId::MultiCheck});
        s.Shot("win-100-mania");
        s.Send(ev::Press{1, 150, 120});
        s.Shot("high-scores");
        s.Send(ev::Press{1, 150, 104});
        s.Shot("statistics");
    }
    {
        Showcase s(out, scale, appFolder);
        s.Send(ev::Load{});
        for (int i = 0; i < 20; ++i) DrawDigits(s.m, 1);
        s.Send(ev::Press{1, 305, 183});
        s.Shot("out-of-coins");
    }
    {
        Showcase s(out, scale, appFolder);
        s.Send(ev::Load{});
        s.Coins(1);
        DrawDigits(s.m, 980);
        s.Steps({8, 7, 7});  // 2-2-5 pays 5: the purse reaches 1000
        s.Lever();
        s.Shot("offer");
    }
    return 0;
}
