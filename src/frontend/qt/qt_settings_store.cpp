#include "frontend/qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace fw {

QString DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Fruitwhirl/Fruitwhirl.ini";
}

QtStoreBytes::QtStoreBytes(QString folder, FileCalls calls)
    : folder_(std::move(folder)), calls_(std::move(calls)), started_(QDateTime::currentDateTime()) {}

QString QtStoreBytes::Path(const std::string& name) const {
    return folder_ + "/" + QString::fromStdString(name);
}

QString QtStoreBytes::Target(const std::string& name) const {
    const QFileInfo info(Path(name));
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? Path(name) : target;
}

PlaceWords QtStoreBytes::Words() const {
    return {QCoreApplication::translate("records", "the settings folder \"%1\"")
                .arg(QDir::toNativeSeparators(folder_))
                .toStdString(),
            QCoreApplication::translate("records", "the disk").toStdString(), ""};
}

std::string QtStoreBytes::Shown(const std::string& name) const {
    return QDir::toNativeSeparators(Path(name)).toStdString();
}

std::string QtStoreBytes::Prepare(const std::vector<std::string>& names) {
    std::error_code ec;
    const std::filesystem::path folder = folder_.toStdString();
    if (!std::filesystem::is_directory(folder, ec) && std::filesystem::exists(folder, ec)) {
        const QString what = NotAFile(folder_);
        // Translators: what follows "The settings folder "..."".
        return QCoreApplication::translate("records", "is %1, not a folder")
            .arg(what.isEmpty() ? QCoreApplication::translate("records", "a file") : what)
            .toStdString();
    }
    if (!QDir().mkpath(folder_))
        return QCoreApplication::translate("records", "cannot be made").toStdString();
    for (const std::string& name : names) RemoveLeftovers(folder_, QString::fromStdString(name), started_);
    return {};
}

ItemKind QtStoreBytes::Kind(const std::string& name) {
    std::error_code ec;
    switch (std::filesystem::symlink_status(Path(name).toStdString(), ec).type()) {
        case std::filesystem::file_type::not_found:
            return ItemKind::Missing;
        case std::filesystem::file_type::regular:
            return ItemKind::Item;
        default:
            return ItemKind::Other;
    }
}

ItemRead QtStoreBytes::Read(const std::string& name, std::size_t limit) {
    if (Kind(name) == ItemKind::Missing) return {};
    const QString kind = NotAFile(Path(name));
    if (!kind.isEmpty()) return {ItemRead::State::NotAFile, {}, kind.toStdString()};
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {ItemRead::State::Unreadable, {}, file.errorString().toStdString()};
    return {ItemRead::State::Read, file.read(static_cast<qint64>(limit) + 1).toStdString(), {}};
}

namespace {

// The system's error number as the kind of failure the player is told of.
ByteFault Fault(const FileError& error) {
    static constexpr std::pair<int, ByteFault::Kind> kKinds[] = {
        {ENOSPC, ByteFault::Kind::Full},        {EDQUOT, ByteFault::Kind::Quota},
        {EROFS, ByteFault::Kind::ReadOnlyDisk}, {EACCES, ByteFault::Kind::NotAllowed},
        {EPERM, ByteFault::Kind::NotAllowed},   {kNotAFile, ByteFault::Kind::NotAFile},
    };
    ByteFault::Kind kind = ByteFault::Kind::Other;
    for (const auto& [code, k] : kKinds)
        if (code == error.code) kind = k;
    return {kind, QDir::toNativeSeparators(error.what).toStdString()};
}

}  // namespace

bool QtStoreBytes::Replace(const std::string& name, const std::string& bytes, ByteFault& fault) {
    FileError error;
    if (ReplaceFile(Target(name), QByteArray::fromStdString(bytes), calls_, error)) return true;
    fault = Fault(error);
    return false;
}

bool QtStoreBytes::KeepAside(const std::string& name, const std::string& aside, bool move, ByteFault& fault) {
    FileError error;
    if (!move) {
        if (CopyToNewFile(Path(name), Path(aside), calls_, error)) return true;
        fault = Fault(error);
        return false;
    }
    // A rename moves whatever is there, a FIFO or a link too, without opening it.
    std::error_code ec;
    std::filesystem::rename(Path(name).toStdString(), Path(aside).toStdString(), ec);
    if (!ec) return true;
    fault = {ByteFault::Kind::Other, Shown(name) + ": " + ec.message()};
    return false;
}

void QtStoreBytes::Remove(const std::string& name) {
    std::error_code ec;
    std::filesystem::remove(Path(name).toStdString(), ec);
}

Writability QtStoreBytes::Probe(const std::string& name) {
    QTemporaryFile probe(QFile::decodeName(TemporaryPattern(Target(name))));
    if (!probe.open()) return {probe.errorString().toStdString(), false};
    return {{}, ReadOnlyFile(Path(name))};
}

QtSettingsStore::QtSettingsStore(const QString& fileName, FileCalls calls)
    : RecordsStore(std::make_unique<QtStoreBytes>(QFileInfo(fileName).absolutePath(), std::move(calls)),
                   [](const std::string& text) {
                       if (!text.empty()) std::fprintf(stderr, "fruitwhirl: %s\n", text.c_str());
                   }) {}

}  // namespace fw
