#include "frontend/qt/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSysInfo>
#include <csignal>
#include <cstdio>

#include "frontend/qt/dialogs/look.h"
#include "frontend/qt/settings_files.h"

namespace fw {

namespace {

// The file name of a process's program; empty when it cannot be seen.
QString ProgramName(qint64 pid) {
    QString target = QFile::symLinkTarget("/proc/" + QString::number(pid) + "/exe");
    if (target.endsWith(" (deleted)")) target.chop(10);  // the program was rebuilt while it ran
    return QFileInfo(target).fileName();
}

}  // namespace

SingleInstance::SingleInstance(const QString& settingsFile)
    : folder_(QFileInfo(settingsFile).absolutePath()), path_(folder_ + "/Fruitwhirl.lock"), lock_(path_) {
    // Only a lock whose game has gone is stale, however old it is.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    lock_.unlock();
    if (madeFolder_) QDir().rmdir(folder_);  // only when nothing else was put there
}

SingleInstance::Lock SingleInstance::Acquire() {
    if (!QFileInfo(folder_).isDir()) {
        if (!QDir().mkpath(folder_)) return Lock::Held;
        madeFolder_ = true;
    }
    // Something that is not a file in the lock's place would make the lock wait
    // for ever: go on without it.
    if (!NotAFile(path_).isEmpty()) return Lock::Held;
    // A lock of this computer whose process has gone, or is not the game, is
    // stale: the lock takes it over.
    if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError) return Lock::Held;
    qint64 pid = 0;
    QString host, application;
    const QString file = QDir::toNativeSeparators(path_);
    if (!lock_.getLockInfo(&pid, &host, &application) || pid <= 0) {
        QFile lockFile(path_);
        const bool empty = lockFile.open(QIODevice::ReadOnly) && lockFile.size() == 0;
        found_ = (empty ? QCoreApplication::translate("lock", "The lock file \"%1\" is empty.")
                        : QCoreApplication::translate(
                              "lock", "The lock file \"%1\" does not say which game holds it."))
                     .arg(file);
        return Lock::Uncertain;
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        found_ = QCoreApplication::translate("lock",
                                             "The lock file \"%1\" was made by a game on the computer \"%2\" "
                                             "(process %3).")
                     .arg(file, host, QString::number(pid));
        return Lock::Uncertain;
    }
    // The lock holds its process's name as the lock saw it; a process number
    // used again since by another program can bear that name too: only a
    // process of this game's own program counts.
    const QString program = ProgramName(pid);
    if (program.isEmpty() || program != ProgramName(QCoreApplication::applicationPid())) {
        found_ = (program.isEmpty()
                      ? QCoreApplication::translate("lock",
                                                    "The lock file \"%1\" names process %2 of this computer, "
                                                    "which is not a Fruitwhirl game.")
                            .arg(file, QString::number(pid))
                      : QCoreApplication::translate("lock",
                                                    "The lock file \"%1\" names process %2 (%3) of this "
                                                    "computer, which is not a Fruitwhirl game.")
                            .arg(file, QString::number(pid), program));
        return Lock::Uncertain;
    }
    return Lock::GameRuns;
}

int SingleInstance::TellAlreadyRunning() {
    qint64 pid = 0;
    QString host, application;
    // The running game shows its window when it gets SIGUSR1.
    const bool raised = lock_.getLockInfo(&pid, &host, &application) && pid > 0 &&
                        host == QSysInfo::machineHostName() && ::kill(static_cast<pid_t>(pid), SIGUSR1) == 0;
    const QString text =
        (raised ? QCoreApplication::translate("lock",
                                              "Fruitwhirl is already running with the settings in \"%1\"; "
                                              "its window has been brought to the front.\n\nOnly one game "
                                              "at a time can keep these records.")
                : QCoreApplication::translate("lock",
                                              "Fruitwhirl is already running with the settings in \"%1\": "
                                              "switch to its window.\n\nOnly one game at a time can keep "
                                              "these records."))
            .arg(QDir::toNativeSeparators(folder_));
    std::fprintf(stderr, "fruitwhirl: %s\n", text.toLocal8Bit().constData());
    ShowCabinetMessage(nullptr, QMessageBox::Information, "Fruitwhirl", text);
    return 0;
}

bool SingleInstance::OfferTakeOver() {
    const QString text =
        found_ + "\n\n" +
        QCoreApplication::translate("lock",
                                    "It may have been left by a game that ended without a quit, or have "
                                    "come with the settings from another computer. If no other Fruitwhirl "
                                    "game uses the settings in \"%1\", take the lock over and play.")
            .arg(QDir::toNativeSeparators(folder_));
    std::fprintf(stderr, "fruitwhirl: %s\n", found_.toLocal8Bit().constData());
    QMessageBox box(QMessageBox::Warning, "Fruitwhirl", text);
    QPushButton* take =
        box.addButton(QCoreApplication::translate("lock", "&Take Over"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(QCoreApplication::translate("lock", "&Quit"), QMessageBox::RejectRole);
    box.setDefaultButton(quit);
    box.setEscapeButton(quit);
    ApplyCabinetLook(&box);
    box.exec();
    if (box.clickedButton() != take) return false;
    lock_.removeStaleLockFile();
    if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError) return true;
    // Another game took it meanwhile.
    return false;
}

}  // namespace fw
