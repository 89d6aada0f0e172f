#include "frontend/qt/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "frontend/qt/settings_files.h"
#include "platform/ini_text.h"
#include "shell/trace.h"

namespace fw {

namespace {

// A run record is a few hundred bytes: a larger one is not read.
constexpr qint64 kLargestRunRecord = 1 << 16;

QString Quoted(const QString& path) {
    return "\"" + QDir::toNativeSeparators(path) + "\"";
}

}  // namespace

QString DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Fruitwhirl/Fruitwhirl.ini";
}

QtSettingsStore::QtSettingsStore(QString fileName, FileCalls calls)
    : file_(std::move(fileName)),
      folder_(QFileInfo(file_).absolutePath()),
      calls_(std::move(calls)),
      started_(QDateTime::currentDateTime()) {}

QtSettingsStore::~QtSettingsStore() = default;

std::vector<std::string> QtSettingsStore::Open() {
    if (!opened_) {
        opened_ = true;
        OpenFile();
    }
    return notices_;
}

void QtSettingsStore::GiveUp(const QString& why) {
    unusable_ = why;
    usable_ = false;
    notices_.push_back(
        (why + " It is left as it is, and your records will not be kept this run.").toStdString());
}

void QtSettingsStore::OpenFile() {
    if (!CheckFolder()) return;
    RemoveLeftovers(folder_, "Fruitwhirl.ini", started_);
    RemoveLeftovers(folder_, "Fruitwhirl.recovery", started_);
    if (!CheckFile() || !MendDamaged()) return;
    ProbeWritable();
    ReadValues();
    usable_ = true;
}

bool QtSettingsStore::CheckFolder() {
    std::error_code ec;
    const bool isFolder = std::filesystem::is_directory(folder_.toStdString(), ec);
    if (!isFolder && std::filesystem::exists(folder_.toStdString(), ec)) {
        const QString what = NotAFile(folder_);
        unusable_ = "The settings folder " + Quoted(folder_) + " is " + (what.isEmpty() ? "a file" : what) +
                    ", not a folder.";
    } else if (!QDir().mkpath(folder_)) {
        unusable_ = "The settings folder " + Quoted(folder_) + " cannot be made.";
    }
    if (unusable_.isEmpty()) return true;
    notices_.push_back((unusable_ + " Your records will not be kept this run.").toStdString());
    return false;
}

bool QtSettingsStore::CheckFile() {
    // Only an ordinary file is read or replaced: reading a FIFO would wait
    // for ever, and replacing a device would put a file in its place.
    const QString kind = NotAFile(file_);
    if (!kind.isEmpty()) {
        GiveUp("Your settings file " + Quoted(file_) + " is " + kind + ", not a file.");
        return false;
    }
    return true;
}

bool QtSettingsStore::MendDamaged() {
    if (!QFileInfo::exists(file_)) return true;
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly)) {
        GiveUp("Your settings file " + Quoted(file_) + " cannot be read (" + file.errorString() + ").");
        return false;
    }
    const CheckedSettings clean = CheckSettingsText(file.read(kLargestSettingsText + 1).toStdString());
    const QString problem = QString::fromStdString(clean.problem);
    file.close();
    if (problem.isEmpty()) return true;

    // Keep the file as it was before anything is written over it.
    const QString aside = AsideName(folder_, ".ini");
    const QString damaged = "Your settings file " + Quoted(file_) + " could not be read cleanly: " + problem;
    FileError error;
    if (!CopyToNewFile(file_, aside, calls_, error)) {
        GiveUp(damaged + ". No copy of it could be kept (" + error.what + ").");
        return false;
    }
    const QString kept = ". A copy of it as it was is kept as " + Quoted(aside);
    if (!ReplaceFile(Target(), QByteArray::fromStdString(clean.text), calls_, error)) {
        GiveUp(damaged + kept + ", but the file could not be replaced by what could be read (" + error.what +
               ").");
        return false;
    }
    notices_.push_back((damaged + kept + "; the game goes on with what could be read.").toStdString());
    return true;
}

void QtSettingsStore::ProbeWritable() {
    QTemporaryFile probe(QFileInfo(Target()).absolutePath() + "/Fruitwhirl.ini.XXXXXX");
    const QString unless = ": your records will not be kept this run, unless that changes before you quit.";
    if (!probe.open()) {
        notices_.push_back(("The settings folder " + Quoted(folder_) + " cannot be written (" +
                            probe.errorString() + ")" + unless)
                               .toStdString());
    } else if (QFileInfo::exists(file_) && !QFileInfo(file_).isWritable()) {
        notices_.push_back(("Your settings file " + Quoted(file_) + " is read-only" + unless).toStdString());
    }
}

void QtSettingsStore::ReadValues() {
    // The file is clean by now: read as every edition's store reads its text.
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly)) return;
    const CheckedSettings checked = CheckSettingsText(file.read(kLargestSettingsText + 1).toStdString());
    for (const auto& [section, keys] : ReadIniText(checked.text)) {
        for (const auto& [key, value] : keys) {
            values_[QString::fromStdString(section)][QString::fromStdString(key)] =
                QString::fromStdString(value);
        }
    }
}

QString QtSettingsStore::Target() const {
    const QFileInfo info(file_);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? file_ : target;
}

namespace {

// The system's words for why a write failed, as a player understands them.
WriteFailure Failure(const FileError& error) {
    struct Words {
        int code;
        const char* reason;
        const char* remedy;
    };
    static constexpr Words kWords[] = {
        {ENOSPC, "the disk is full", "Free some space"},
        {EDQUOT, "your disk quota is used up", "Free some space"},
        {EROFS, "the disk is read-only", "Make the disk writable"},
        {EACCES, "the settings file or its folder may not be written", "Make them writable"},
        {EPERM, "the settings file or its folder may not be written", "Make them writable"},
        {kNotAFile, "the file to be written is not an ordinary file", "Move what is there out of the way"},
    };
    Words words{0, "the disk reported an error", "Check the disk"};
    for (const Words& w : kWords)
        if (w.code == error.code) words = w;
    return {words.reason, words.remedy, QDir::toNativeSeparators(error.what).toStdString()};
}

}  // namespace

QByteArray QtSettingsStore::IniText() const {
    IniValues values;
    for (const auto& [section, keys] : values_) {
        for (const auto& [key, value] : keys)
            values[section.toStdString()][key.toStdString()] = value.toStdString();
    }
    return QByteArray::fromStdString(fw::IniText(values));
}

std::string QtSettingsStore::GetSetting(const std::string& section, const std::string& key,
                                        const std::string& fallback) {
    Open();
    const auto keys = values_.find(QString::fromStdString(section));
    if (keys == values_.end()) return fallback;
    const auto value = keys->second.find(QString::fromStdString(key));
    return value == keys->second.end() ? fallback : value->second.toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& section, const std::string& key,
                                  const std::string& value) {
    Open();
    if (!usable_) return;
    values_[QString::fromStdString(section)][QString::fromStdString(key)] = QString::fromStdString(value);
}

bool QtSettingsStore::Flush(WriteFailure& failure) {
    Open();
    if (!usable_) {
        failure = {"the settings file cannot be used this run", "",
                   (unusable_ + " Nothing was written.").toStdString()};
        return false;
    }
    // Each flush is a fresh attempt: the text replaces the file only when it
    // was written whole, and it is read back.
    FileError error;
    if (ReplaceFile(Target(), IniText(), calls_, error)) return true;
    failure = Failure(error);
    std::fprintf(stderr, "fruitwhirl: the settings cannot be saved: %s\n", failure.detail.c_str());
    return false;
}

std::optional<std::string> QtSettingsStore::ReadRunRecord() {
    const QString path = runRecordFileName();
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) return std::nullopt;
    // Anything but a small ordinary file is no record.
    if (!NotAFile(path).isEmpty()) return std::string();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestRunRecord) return std::string();
    return file.readAll().toStdString();
}

bool QtSettingsStore::WriteRunRecord(const std::string& text, WriteFailure& failure) {
    TraceMark("record-write");
    const QString path = runRecordFileName();
    FileError error;
    // Never through a link, never over something that is not a file.
    bool written = false;
    if (QFileInfo(path).isSymLink() || !NotAFile(path).isEmpty()) {
        error = {kNotAFile, path + ": not an ordinary file"};
    } else {
        written = ReplaceFile(path, QByteArray::fromStdString(text), calls_, error);
    }
    TraceMark("record-written");
    if (written) {
        recordFailed_ = false;
        return true;
    }
    failure = Failure(error);
    if (!recordFailed_) {
        recordFailed_ = true;
        std::fprintf(stderr, "fruitwhirl: the run record cannot be written: %s\n", failure.detail.c_str());
    }
    return false;
}

void QtSettingsStore::RemoveRunRecord() {
    std::error_code ec;
    std::filesystem::remove(runRecordFileName().toStdString(), ec);
}

std::string QtSettingsStore::KeepRunRecordAside() {
    const QString aside = AsideName(folder_, ".recovery");
    // A rename moves whatever is there, a FIFO or a link too, without opening it.
    std::error_code ec;
    std::filesystem::rename(runRecordFileName().toStdString(), aside.toStdString(), ec);
    if (ec) return {};
    return QDir::toNativeSeparators(aside).toStdString();
}

}  // namespace fw
