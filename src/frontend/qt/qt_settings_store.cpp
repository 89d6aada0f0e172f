#include "frontend/qt/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <cstdio>
#include <filesystem>

#include "frontend/qt/settings_files.h"
#include "shell/trace.h"

namespace fw {

namespace {

// Our own file is a few kilobytes: a larger one is not read beyond this.
constexpr qint64 kLargestSettingsFile = 1 << 20;
constexpr qint64 kLargestRunRecord = 1 << 16;

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

QString Quoted(const QString& path) {
    return "\"" + QDir::toNativeSeparators(path) + "\"";
}

}  // namespace

QString DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Fruitwhirl/Fruitwhirl.ini";
}

QtSettingsStore::QtSettingsStore(QString fileName)
    : file_(std::move(fileName)),
      folder_(QFileInfo(file_).absolutePath()),
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
    notices_.push_back(
        (why + " It is left as it is, and your records will not be kept this run.").toStdString());
}

void QtSettingsStore::OpenFile() {
    std::error_code ec;
    const bool isFolder = std::filesystem::is_directory(folder_.toStdString(), ec);
    if (!isFolder && std::filesystem::exists(folder_.toStdString(), ec)) {
        const QString what = NotAFile(folder_);
        unusable_ = "The settings folder " + Quoted(folder_) + " is " + (what.isEmpty() ? "a file" : what) +
                    ", not a folder.";
    } else if (!QDir().mkpath(folder_)) {
        unusable_ = "The settings folder " + Quoted(folder_) + " cannot be made.";
    }
    if (!unusable_.isEmpty()) {
        notices_.push_back((unusable_ + " Your records will not be kept this run.").toStdString());
        return;
    }
    RemoveLeftovers(folder_, "Fruitwhirl.ini", started_);
    RemoveLeftovers(folder_, "Fruitwhirl.recovery", started_);

    // Only an ordinary file is read or replaced: reading a FIFO would wait
    // for ever, and replacing a device would put a file in its place.
    const QString kind = NotAFile(file_);
    if (!kind.isEmpty())
        return GiveUp("Your settings file " + Quoted(file_) + " is " + kind + ", not a file.");
    if (QFileInfo::exists(file_)) {
        QFile file(file_);
        if (!file.open(QIODevice::ReadOnly)) {
            return GiveUp("Your settings file " + Quoted(file_) + " cannot be read (" + file.errorString() +
                          ").");
        }
        const CleanText clean = CleanSettingsText(file.read(kLargestSettingsFile));
        const QString problem =
            file.size() > kLargestSettingsFile ? "it is larger than 1 MiB" : clean.problem;
        file.close();
        if (!problem.isEmpty()) {
            // Keep the file as it was before anything is written over it.
            const QString aside = AsideName(folder_, ".ini");
            QFile copy(file_);
            const QString damaged =
                "Your settings file " + Quoted(file_) + " could not be read cleanly: " + problem;
            if (!copy.copy(aside)) {
                return GiveUp(damaged + ". No copy of it could be kept (" + copy.errorString() + ").");
            }
            QSaveFile cleaned(file_);
            if (cleaned.open(QIODevice::WriteOnly)) {
                cleaned.write(clean.text);
                cleaned.commit();
            }
            notices_.push_back((damaged + ". A copy of it as it was is kept as " + Quoted(aside) +
                                "; the game goes on with what could be read.")
                                   .toStdString());
        }
    }

    // Records that cannot be written are better known now than after a run.
    const QString target = QFileInfo(file_).canonicalFilePath();
    QTemporaryFile probe(QFileInfo(target.isEmpty() ? file_ : target).absolutePath() +
                         "/Fruitwhirl.ini.XXXXXX");
    const QString unless = ": your records will not be kept this run, unless that changes before you quit.";
    if (!probe.open()) {
        notices_.push_back(("The settings folder " + Quoted(folder_) + " cannot be written (" +
                            probe.errorString() + ")" + unless)
                               .toStdString());
    } else if (QFileInfo::exists(file_) && !QFileInfo(file_).isWritable()) {
        notices_.push_back(("Your settings file " + Quoted(file_) + " is read-only" + unless).toStdString());
    }
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
}

std::string QtSettingsStore::GetSetting(const std::string& section, const std::string& key,
                                        const std::string& fallback) {
    Open();
    if (!settings_) return fallback;
    const QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) return fallback;
    // A hand-edited value with an unquoted comma reads back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& section, const std::string& key,
                                  const std::string& value) {
    Open();
    if (!settings_) return;
    settings_->setValue(KeyPath(section, key), QString::fromStdString(value));
    unsaved_[KeyPath(section, key)] = QString::fromStdString(value);
}

bool QtSettingsStore::Flush(std::string& error) {
    Open();
    if (!settings_) {
        error = (unusable_ + " Nothing was written.").toStdString();
        return false;
    }
    // The file is replaced in one step (a temporary file renamed over it), so a
    // failed write leaves the old content as it was.
    settings_->sync();
    bool saved = settings_->status() == QSettings::NoError;
    if (!saved && settings_->status() == QSettings::FormatError) {
        // QSettings keeps the first error it met, one from reading the file too:
        // the save failed only if the file does not hold what was written.
        const QSettings written(file_, QSettings::IniFormat);
        saved = true;
        for (const auto& [key, value] : unsaved_) saved = saved && written.value(key).toString() == value;
    }
    if (!saved) {
        error = "The file " + Quoted(file_).toStdString() + " cannot be written.";
        return false;
    }
    unsaved_.clear();
    return true;
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

bool QtSettingsStore::WriteRunRecord(const std::string& text, std::string& error) {
    TraceMark("record-write");
    const QString path = runRecordFileName();
    QSaveFile file(path);
    bool written = false;
    if (QFileInfo(path).isSymLink() || !NotAFile(path).isEmpty()) {
        error = "it is not an ordinary file";
    } else if (!file.open(QIODevice::WriteOnly) ||
               file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
        error = file.errorString().toStdString();
    } else {
        written = true;
    }
    TraceMark("record-written");
    if (!written && !recordFailed_) {
        recordFailed_ = true;
        std::fprintf(stderr, "fruitwhirl: the run record %s cannot be written: %s\n",
                     Quoted(path).toLocal8Bit().constData(), error.c_str());
    }
    return written;
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
