// make_pictures <outdir> <file>...: draws the named built-in pictures of
// Fruitwhirl and writes them into <outdir>: sprites.png, machine.png, the reel
// themes Gfx/*.Thm, the icons, the About window's and the message boxes'
// pictures. The build names the files it wants from its one list; every file
// this program can draw must be asked for, and nothing else.
// The output depends on nothing but this program: no input files, no
// randomness, no system fonts.
#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <functional>
#include <map>
#include <set>

namespace {

bool save(const QImage& img, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage rgb(const QImage& img) {
    return img.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures <outdir> <file>...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);

    const QImage fruit = pictures::makeFruitTheme();
    const pictures::SheetAndMachine sm = pictures::makeSheetAndMachine();
    std::map<QString, std::function<QImage()>> makers = {
        {"Gfx/Fruit.Thm", [&] { return rgb(fruit); }},
        {"Gfx/Jewels.Thm", [] { return rgb(pictures::makeJewelTheme()); }},
        {"Gfx/Vegas.Thm", [] { return rgb(pictures::makeVegasTheme()); }},
        {"sprites.png", [&] { return rgb(sm.sheet); }},
        {"machine.png", [&] { return rgb(sm.machine); }},
        {"icons/drag-coin.png", [] { return pictures::makeDragCoin(); }},
        {"icons/drag-stack.png", [] { return pictures::makeDragStack(); }},
        {"about/logo.png", [] { return pictures::makeAboutLogo(); }},
        {"about/title.png", [] { return pictures::makeWordmark(); }},
        {"about/email.png", [] { return pictures::makeAboutEmail(); }},
        {"about/homepage.png", [] { return pictures::makeAboutHomepage(); }},
        {"icons/box-warning.png", [] { return pictures::makeWarningIcon(); }},
        {"icons/box-error.png", [] { return pictures::makeErrorIcon(); }},
        {"icons/box-information.png", [] { return pictures::makeInformationIcon(); }},
    };
    for (int size : pictures::kIconSizes) {
        makers[QString("icons/fruitwhirl-%1.png").arg(size)] = [size] {
            return pictures::makeWindowIcon(size);
        };
    }

    bool ok = true;
    std::set<QString> asked;
    for (int i = 2; i < argc; ++i) {
        const QString file = QString::fromLocal8Bit(argv[i]);
        asked.insert(file);
        const auto maker = makers.find(file);
        if (maker == makers.end()) {
            std::fprintf(stderr, "make_pictures: no picture is drawn as %s\n", argv[i]);
            ok = false;
            continue;
        }
        ok &= save(maker->second(), out + "/" + file);
    }
    for (const auto& [file, maker] : makers) {
        if (asked.count(file)) continue;
        std::fprintf(stderr, "make_pictures: %s is drawn but not in the build's list\n", qPrintable(file));
        ok = false;
    }
    return ok ? 0 : 1;
}
