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
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(FW_PROGRAM, {"--odds"});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    const std::string out = process.readAllStandardOutput().toStdString();

    Rig rig;
    rig.Start();
    const GameOdds odds = LongRunOdds(rig.m, false);
    for (int k = 0; k < kPrizes; ++k)
        EXPECT_NE(out.find(FractionText(odds.prize[k]) + " "), std::string::npos);
    EXPECT_NE(out.find("No win"), std::string::npos);
    EXPECT_NE(
        out.find("Return per credit: " + FractionText(odds.payout) + " coins (" + Percent(odds.payout) + ")"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find(FractionText(LongRunOdds(rig.m, true).payout) + " coins"), std::string::npos);

    process.start(FW_PROGRAM, {"--help"});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_TRUE(process.readAllStandardOutput().contains("--odds"));
}

}  // namespace
}  // namespace fw::test
