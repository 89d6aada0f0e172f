#include "frontend/qt/single_instance.h"

#include "frontend/qt/settings_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSysInfo>
#include <csignal>
#include <cstdio>

namespace fw {

SingleInstance::SingleInstance(const QString& settingsFile)
    : folder_(QFileInfo(settingsFile).absolutePath()), lock_(folder_ + "/Fruitwhirl.lock") {
    // Only a lock whose game has gone is stale, however old it is.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    lock_.unlock();
    if (madeFolder_) QDir().rmdir(folder_);  // only when nothing else was put there
}

bool SingleInstance::Acquire() {
    if (!QFileInfo(folder_).isDir()) {
        if (!QDir().mkpath(folder_)) return true;
        madeFolder_ = true;
    }
    // Something that is not a file in the lock's place would make the lock wait
    // for ever: go on without it.
    if (!NotAFile(folder_ + "/Fruitwhirl.lock").isEmpty()) return true;
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

int SingleInstance::TellAlreadyRunning() {
    qint64 pid = 0;
    QString host, application;
    // The running game shows its window when it gets SIGUSR1.
    const bool raised = lock_.getLockInfo(&pid, &host, &application) && pid > 0 &&
                        host == QSysInfo::machineHostName() && ::kill(static_cast<pid_t>(pid), SIGUSR1) == 0;
    const QString text =
        "Fruitwhirl is already running with the settings in \"" + QDir::toNativeSeparators(folder_) + "\"" +
        (raised ? "; its window has been brought to the front." : ": switch to its window.") +
        "\n\nOnly one game at a time can keep these records.";
    std::fprintf(stderr, "fruitwhirl: %s\n", text.toLocal8Bit().constData());
    QMessageBox::information(nullptr, "Fruitwhirl", text);
    return 0;
}

}  // namespace fw
