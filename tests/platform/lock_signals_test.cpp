// The settings folder's lock, and the signals the real program is sent.
#include <gtest/gtest.h>

#include <signal.h>
#include <string.h>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <optional>

#include "../dialogs/modal.h"
#include "files.h"
#include "frontend/qt/single_instance.h"

namespace fw::test {
namespace {

struct LockRow {
    const char* what;
    QByteArray content;  // the lock file's bytes
    SingleInstance::Lock expected;
    const char* found;  // what the player is told, after the lock file's name
};

// (A lock a live game holds is obeyed: the signals' "already running" row.)
TEST(Lock, EachKindOfLockFileNoLiveGameHoldsIsTakenOrOfferedAndTakingItOverHoldsIt) {
    QProcess other;  // a live process of another program
    other.start("sleep", {"30"});
    ASSERT_TRUE(other.waitForStarted());
    QProcess gone;  // a process that has ended
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 dead = gone.processId();
    gone.waitForFinished();
    using enum SingleInstance::Lock;
    const QByteArray host = "\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    const LockRow rows[] = {
        {"empty", "", Uncertain, "\" is empty."},
        {"junk", "\x01\x02 not a lock\n", Uncertain, "\" does not say which game holds it."},
        {"another computer", "4242\nfruitwhirl\nfar-away-box\n", Uncertain,
         "\" was made by a game on the computer \"far-away-box\" (process 4242)."},
        {"a process that has gone", QByteArray::number(dead) + "\nfruitwhirl" + host, Held, ""},
        {"a live process of another program", QByteArray::number(other.processId()) + "\nsleep" + host,
         Uncertain, "(sleep) of this computer, which is not a Fruitwhirl game."},
    };
    bool take = false;
    for (const LockRow& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir folder;
        const QString lock = folder.path() + "/Fruitwhirl.lock";
        ASSERT_TRUE(Write(lock, row.content));
        SingleInstance instance(folder.path() + "/Fruitwhirl.ini");
        ASSERT_EQ(instance.Acquire(), row.expected);
        if (row.expected != Uncertain) continue;
        const QString found = instance.Found();
        EXPECT_TRUE(found.startsWith("The lock file \"" + lock) && found.endsWith(row.found))
            << found.toStdString();
        // The player takes it over, or quits and leaves it alone, by turns.
        take = !take;
        WhenModal([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            ASSERT_TRUE(box);
            EXPECT_TRUE(box->text().contains(row.found));
            for (QAbstractButton* button : box->buttons())
                if (button->text() == (take ? "&Take Over" : "&Quit")) button->click();
        });
        EXPECT_EQ(instance.OfferTakeOver(), take);
        const QByteArray content = Bytes(lock);
        EXPECT_TRUE(take ? content.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + "\n")
                         : content == row.content);
    }
    other.kill();
    other.waitForFinished();
}

// The real program, offscreen, on a settings folder of its own.
class Program {
public:
    explicit Program(const QString& config) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("FRUITWHIRL_TRACE", "1");
        env.insert("SDL_AUDIODRIVER", "dummy");
        process.setProcessEnvironment(env);
        process.start(FW_PROGRAM, {"--scale", "1"});
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) process.kill();
        process.waitForFinished();
    }
    // Waits (at most 20 s) for the trace mark.
    bool WaitFor(const QByteArray& mark) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            err += process.readAllStandardError();
            if (err.contains("trace " + mark + " ")) return true;
            if (process.state() == QProcess::NotRunning) return false;
            process.waitForReadyRead(100);
        }
        return false;
    }
    void Signal(int number) { ::kill(static_cast<pid_t>(process.processId()), number); }
    // Sends the signal and waits (at most 20 s) for the end; true when it ended with code 0.
    bool EndsOn(int number) {
        Signal(number);
        const bool ended = process.waitForFinished(20000);
        err += process.readAllStandardError();
        return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    QProcess process;
    QByteArray err;
};

TEST(Signals, EndTheLockOfferTheAlreadyRunningMessageTheStartUpMessageAndAGameAsItsQuit) {
    const struct {
        const char* name;
        const char* lock;  // the lock file's bytes; null for none
        const char* ini;   // the settings file's
        bool running;      // a game runs already: this is the second
        const char* mark;  // what is on the screen when the signal comes
        int number;
        bool quits;  // the quit sequence runs and saves
    } rows[] = {
        {"the lock's offer", "junk", nullptr, false, "dialog", SIGTERM, false},
        {"already running", nullptr, nullptr, true, "dialog", SIGHUP, false},
        {"the start-up message", nullptr, "[GameCfg\nName=Ann\n", false, "dialog", SIGTERM, true},
        {"a game, SIGTERM", nullptr, nullptr, false, "ready", SIGTERM, true},
        {"a game, SIGHUP", nullptr, nullptr, false, "ready", SIGHUP, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Folder f;
        ASSERT_TRUE(!row.lock || Write(f.path + "/Fruitwhirl.lock", row.lock));
        ASSERT_TRUE(!row.ini || Write(f.ini, row.ini));
        std::optional<Program> first;
        if (row.running) first.emplace(f.root.path());
        ASSERT_TRUE(!first || first->WaitFor("ready")) << first->err.toStdString();
        Program program(f.root.path());
        ASSERT_TRUE(program.WaitFor(row.mark)) << program.err.toStdString();
        EXPECT_EQ(program.err.contains("is already running"), row.running) << program.err.toStdString();
        EXPECT_TRUE(program.EndsOn(row.number)) << strsignal(row.number);
        EXPECT_EQ(program.err.contains("trace end "), row.quits);
        EXPECT_EQ(QFile::exists(f.ini), row.quits);
        EXPECT_TRUE(!row.lock || Bytes(f.path + "/Fruitwhirl.lock") == row.lock);
        EXPECT_TRUE(!first || first->EndsOn(SIGINT));
    }
    // The second signal does not wait for the quit the first one asked for.
    QTemporaryDir config;
    Program impatient(config.path());
    ASSERT_TRUE(impatient.WaitFor("ready")) << impatient.err.toStdString();
    impatient.Signal(SIGTERM);
    ASSERT_TRUE(impatient.WaitFor("signal")) << impatient.err.toStdString();
    EXPECT_FALSE(impatient.EndsOn(SIGTERM));
    EXPECT_EQ(impatient.process.exitStatus(), QProcess::CrashExit);
    EXPECT_FALSE(impatient.err.contains("trace end ")) << "the quit sequence ran to its end";
}

}  // namespace
}  // namespace fw::test
