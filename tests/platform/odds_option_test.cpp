// fruitwhirl --odds: the long-run table on standard output, without a display.
#include <gtest/gtest.h>

#include <QProcess>

#include "fakes.h"
#include "play/odds.h"
#include "shell/odds.h"

namespace fw::test {
namespace {

TEST(CommandLine, OddsPrintsTheLongRunTableWithoutADisplay) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    process.setProcessEnvironment(env);
    process.start(FW_PROGRAM, {"--odds"});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    const std::string out = process.readAllStandardOutput().toStdString();
    EXPECT_EQ(out, LongRunOddsText());
    Rig rig;
    rig.Start();
    const GameOdds odds = LongRunOdds(rig.m, false);
    EXPECT_NE(out.find("Return per credit: " + FractionText(odds.payout) + " coins (" + Percent(odds.payout)),
              std::string::npos);
}

}  // namespace
}  // namespace fw::test
