#include "frontend/qt/view_settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "frontend/qt/view_scale.h"

namespace fw {

namespace {

// The window's section of the game's settings file; the game's own sections
// are read and written by its settings store alone.
constexpr const char* kSection = "Window";

}  // namespace

ViewSettings LoadViewSettings() {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Fruitwhirl", "Fruitwhirl");
    settings.setFallbacksEnabled(false);
    settings.beginGroup(kSection);
    ViewSettings view;
    bool ok = false;
    const int scale = settings.value("Scale").toString().toInt(&ok);
    if (ok && scale >= 1 && scale <= kMaxScale) view.scale = scale;
    view.fullScreen = settings.value("FullScreen").toString() == "1";
    return view;
}

void SaveViewSettings(const ViewSettings& view) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Fruitwhirl", "Fruitwhirl");
    settings.setFallbacksEnabled(false);
    settings.beginGroup(kSection);
    if (view.scale > 0) settings.setValue("Scale", QString::number(view.scale));
    settings.setValue("FullScreen", view.fullScreen ? "1" : "0");
    settings.endGroup();
    settings.sync();
}

std::string UserThemeFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFile::encodeName(QDir::toNativeSeparators(data + "/fruitwhirl/Gfx/")).toStdString();
}

}  // namespace fw
