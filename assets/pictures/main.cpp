// make_pictures <outdir>: draws every built-in picture of Fruitwhirl and writes
// sprites.png, machine.png, the reel themes Gfx/*.Thm, the icons and the
// About window's pictures (about/*.png) into <outdir>.
// The output depends on nothing but this program: no input files, no
// randomness, no system fonts.
#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

bool save(const QImage& img, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <outdir>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);

    bool ok = true;
    const QImage theme = pictures::makeFruitTheme();
    ok &= save(theme.convertToFormat(QImage::Format_RGB888), out + "/Gfx/Fruit.Thm");
    ok &= save(pictures::makeJewelTheme().convertToFormat(QImage::Format_RGB888), out + "/Gfx/Jewels.Thm");
    ok &= save(pictures::makeVegasTheme().convertToFormat(QImage::Format_RGB888), out + "/Gfx/Vegas.Thm");

    const pictures::SheetAndMachine sm = pictures::makeSheetAndMachine();
    ok &= save(sm.sheet.convertToFormat(QImage::Format_RGB888), out + "/sprites.png");
    ok &= save(sm.machine.convertToFormat(QImage::Format_RGB888), out + "/machine.png");

    for (int size : {16, 32, 48, 64, 128, 256})
        ok &= save(pictures::makeWindowIcon(size), out + QString("/icons/fruitwhirl-%1.png").arg(size));
    ok &= save(pictures::makeDragCoin(), out + "/icons/drag-coin.png");
    ok &= save(pictures::makeDragStack(), out + "/icons/drag-stack.png");
    ok &= save(pictures::makeAboutLogo(theme), out + "/about/logo.png");
    ok &= save(pictures::makeAboutEmail(), out + "/about/email.png");
    ok &= save(pictures::makeAboutHomepage(), out + "/about/homepage.png");
    return ok ? 0 : 1;
}
