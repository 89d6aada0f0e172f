#include "frontend/qt/theme_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace fw {

std::string UserThemeFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFile::encodeName(QDir::toNativeSeparators(data + "/fruitwhirl/Gfx/")).toStdString();
}

}  // namespace fw
