// One game per settings folder: two games on one file would each write their
// own list at quit, and the last to quit would win. A lock file beside the
// settings file is held for the whole run; a lock left by a game that was
// killed does not count.
#pragma once

#include <QLockFile>
#include <QString>

namespace fw {

class SingleInstance {
public:
    explicit SingleInstance(const QString& settingsFile);
    // Lets go of the folder; a folder made only for the lock goes with it.
    ~SingleInstance();
    // False when another game holds the folder. When the lock cannot be made
    // at all, the game goes on: the store finds out what is wrong with the
    // folder and says so.
    bool Acquire();
    // Tells the player that the game is running already and asks that game to
    // show its window; writes nothing. Returns the exit status, 0.
    int TellAlreadyRunning();

private:
    QString folder_;
    QLockFile lock_;
    bool madeFolder_ = false;
};

}  // namespace fw
