// What the player's own tools write, offscreen: the settings file as editors
// save it (read cleanly) and as they must not (copied aside), at the size
// limit; every key of the key map; the view settings at both ends of the scale.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "frontend/qt/key_map.h"
#include "frontend/qt/qt_settings_store.h"
#include "frontend/qt/settings_files.h"
#include "frontend/qt/view_scale.h"
#include "frontend/qt/view_settings.h"

namespace fw::test {
namespace {

const QByteArray kFile = "[GameCfg]\nName=Ann\nSpeed=40\n\n[High-01]\nName=Zed\nScore=500\n";

struct Variant {
    const char* name;
    QByteArray bytes;
    const char* problem;  // "" for a file read cleanly
};

class SettingsVariants : public ::testing::TestWithParam<Variant> {};

TEST_P(SettingsVariants, AreReadCleanlyOrCopiedAside) {
    const Variant& v = GetParam();
    const CleanText clean = CleanSettingsText(v.bytes);
    EXPECT_TRUE(clean.problem.contains(v.problem)) << clean.problem.toStdString();
    EXPECT_EQ(clean.problem.isEmpty(), std::string(v.problem).empty()) << clean.problem.toStdString();
    // What is kept reads back with the same values.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("Fruitwhirl/Fruitwhirl.ini"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Fruitwhirl")) && file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(v.bytes), v.bytes.size());
    file.close();
    QtSettingsStore store(file.fileName());
    const std::vector<std::string> told = store.Open();
    EXPECT_EQ(told.empty(), std::string(v.problem).empty()) << (told.empty() ? "" : told[0]);
    EXPECT_EQ(store.GetSetting("GameCfg", "Speed", "?"), "40");
    EXPECT_EQ(store.GetSetting("High-01", "Score", "?"), "500");
}

QByteArray Replaced(QByteArray bytes, const char* from, const char* to) {
    return bytes.replace(from, to);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, SettingsVariants,
    ::testing::Values(Variant{"AsWritten", kFile, ""},
                      Variant{"WindowsLineEnds", Replaced(kFile, "\n", "\r\n"), ""},
                      Variant{"ByteOrderMark", "\xEF\xBB\xBF" + kFile, ""},
                      Variant{"BomAndWindowsLineEnds", "\xEF\xBB\xBF" + Replaced(kFile, "\n", "\r\n"), ""},
                      Variant{"TrailingSpaces", Replaced(kFile, "\n", "  \n"), ""},
                      Variant{"TabsAfterSections", Replaced(kFile, "]\n", "]\t \n"), ""},
                      Variant{"IndentedWithTabs", Replaced(kFile, "Speed", "\tSpeed"), ""},
                      Variant{"SpacesAroundEquals", Replaced(kFile, "Speed=", "Speed = "), ""},
                      Variant{"NoNewlineAtTheEnd", kFile.chopped(1), ""},
                      Variant{"BlankLinesWithSpaces", Replaced(kFile, "\n\n", "\n   \n\n"), ""},
                      Variant{"HashComment", "# mine\n" + kFile, "line 1 is a comment"},
                      // Lines are counted as the editor shows them.
                      Variant{"SemicolonCommentWindowsLineEnds", Replaced(kFile + "; mine\n", "\n", "\r\n"),
                              "line 8 is a comment"},
                      Variant{"OldMacLineEnds", Replaced(kFile, "\n", "\r"), ""},
                      Variant{"NulBytes", kFile + QByteArray("x=\0\n", 4), "bytes that are not text"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsSize, OneMebibyteIsReadAndOneByteMoreIsCopiedAside) {
    for (const qint64 size : {qint64(1) << 20, (qint64(1) << 20) + 1}) {
        QTemporaryDir dir;
        QFile file(dir.filePath("Fruitwhirl.ini"));
        QByteArray bytes = kFile + "Pad=";
        bytes += QByteArray(size - bytes.size() - 1, 'x') + "\n";
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == size);
        file.close();
        QtSettingsStore store(file.fileName());
        const std::vector<std::string> told = store.Open();
        EXPECT_EQ(told.empty(), size == qint64(1) << 20) << size;
        EXPECT_EQ(store.GetSetting("GameCfg", "Speed", "?"), "40") << size;
    }
}

struct KeyRow {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyCommand command;
    int number;
};

class KeyMap : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyMap, EveryKeyStandsForItsPress) {
    const KeyRow& row = GetParam();
    const std::optional<ev::Key> key = MachineKey(row.key, row.modifiers);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->command, row.command);
    EXPECT_EQ(key->number, row.number);
}

constexpr auto kNone = Qt::NoModifier;
constexpr auto kPad = Qt::KeypadModifier;
INSTANTIATE_TEST_SUITE_P(Keys, KeyMap,
                         ::testing::Values(KeyRow{"C", Qt::Key_C, kNone, KeyCommand::Coin, 0},
                                           KeyRow{"ShiftC", Qt::Key_C, Qt::ShiftModifier, KeyCommand::Stack,
                                                  0},
                                           KeyRow{"Space", Qt::Key_Space, kNone, KeyCommand::Go, 0},
                                           KeyRow{"Return", Qt::Key_Return, kNone, KeyCommand::Go, 0},
                                           KeyRow{"KeypadEnter", Qt::Key_Enter, kPad, KeyCommand::Go, 0},
                                           KeyRow{"H", Qt::Key_H, kNone, KeyCommand::HighScores, 0},
                                           KeyRow{"S", Qt::Key_S, kNone, KeyCommand::Statistics, 0},
                                           KeyRow{"Backspace", Qt::Key_Backspace, kNone, KeyCommand::Back, 0},
                                           KeyRow{"Escape", Qt::Key_Escape, kNone, KeyCommand::Back, 0},
                                           KeyRow{"Q", Qt::Key_Q, kNone, KeyCommand::Quit, 0},
                                           KeyRow{"Digit1", Qt::Key_1, kNone, KeyCommand::Number, 1},
                                           KeyRow{"Digit2", Qt::Key_2, kNone, KeyCommand::Number, 2},
                                           KeyRow{"Digit3", Qt::Key_3, kNone, KeyCommand::Number, 3},
                                           KeyRow{"Digit4", Qt::Key_4, kNone, KeyCommand::Number, 4},
                                           KeyRow{"Digit5", Qt::Key_5, kNone, KeyCommand::Number, 5},
                                           KeyRow{"Digit6", Qt::Key_6, kNone, KeyCommand::Number, 6},
                                           KeyRow{"Digit7", Qt::Key_7, kNone, KeyCommand::Number, 7},
                                           KeyRow{"Digit8", Qt::Key_8, kNone, KeyCommand::Number, 8},
                                           KeyRow{"Digit9", Qt::Key_9, kNone, KeyCommand::Number, 9},
                                           KeyRow{"Digit0", Qt::Key_0, kNone, KeyCommand::Number, 10},
                                           KeyRow{"Keypad3", Qt::Key_3, kPad, KeyCommand::Number, 3},
                                           KeyRow{"Keypad0", Qt::Key_0, kPad, KeyCommand::Number, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyMap, KeysWithControlAltOrShiftBelongToTheWindow) {
    for (const auto modifiers : {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier, Qt::ShiftModifier})
        EXPECT_FALSE(MachineKey(Qt::Key_1, modifiers).has_value()) << modifiers;
    EXPECT_FALSE(MachineKey(Qt::Key_C, Qt::ControlModifier).has_value());
    EXPECT_FALSE(MachineKey(Qt::Key_A, Qt::NoModifier).has_value());
}

TEST(ViewSettings, BothEndsOfTheScaleAndFullScreenAreKeptAndOneBeyondIsNot) {
    for (const int scale : {1, 2, kMaxScale}) {
        for (const bool fullScreen : {false, true}) {
            SaveViewSettings({scale, fullScreen});
            const ViewSettings view = LoadViewSettings();
            EXPECT_EQ(view.scale, scale);
            EXPECT_EQ(view.fullScreen, fullScreen) << scale;
        }
    }
    SaveViewSettings({kMaxScale + 1, false});
    EXPECT_EQ(LoadViewSettings().scale, 0);
}

}  // namespace
}  // namespace fw::test
