// One game per settings folder: two games on one file would each write their
// own list at quit, and the last to quit would win. A lock file beside the
// settings file is held for the whole run. A lock left by a game that has gone
// from this computer does not count, nor one naming a process of this computer
// that is not a game; one that cannot be read (empty, or something else), or
// that was made on another computer, is shown to the player, who may take it
// over.
#pragma once

#include <QLockFile>
#include <QString>

namespace fw {

class SingleInstance {
public:
    enum class Lock {
        Held,       // this game holds it, or no lock can be made and the game goes on
        GameRuns,   // a live game on this computer holds it
        Uncertain,  // it cannot be read, or names another computer: Found() says what it holds
    };

    explicit SingleInstance(const QString& settingsFile);
    // Lets go of the folder; a folder made only for the lock goes with it.
    ~SingleInstance();
    // When the lock cannot be made at all, the game goes on: the store finds
    // out what is wrong with the folder and says so.
    Lock Acquire();
    // What an uncertain lock holds, in a sentence that names the lock file.
    QString Found() const { return found_; }
    // Tells the player that the game is running already and asks that game to
    // show its window; writes nothing. Returns the exit status, 0.
    int TellAlreadyRunning();
    // Says what the lock holds and offers to take it over. True when the
    // player took it and this game now holds it.
    bool OfferTakeOver();

private:
    QString folder_;
    QString path_;
    QLockFile lock_;
    QString found_;
    bool madeFolder_ = false;
};

}  // namespace fw
