// The machine as a screen reader meets it on the desktop, offscreen: what the accessibility interfaces say,
// and what they tell the bus (the events the window hands to Qt's bridge to AT-SPI, caught on their way).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <vector>

#include "fakes.h"
#include "frontend/qt/main_window.h"

namespace fw::test {
namespace {

struct Told {
    QAccessible::Event type;
    QObject* object;
    QString text;  // the text inserted, for a text insertion
};

// A machine in its window with a listener where the accessibility bus would be.
struct ReaderRig {
    ReaderRig() {
        previous = AccessibilityEvents();
        AccessibilityEvents() = [this](QAccessibleEvent* event) {
            QString text;
            if (event->type() == QAccessible::TextInserted)
                text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
            told.push_back({event->type(), event->object(), text});
        };
        window.attach(&rig.m);
        rig.Start();
        machine = QAccessible::queryAccessibleInterface(window.screen());
    }
    ~ReaderRig() { AccessibilityEvents() = previous; }
    QString description() const { return machine->text(QAccessible::Description); }
    bool describedWith(const QString& words) {
        return QTest::qWaitFor([&] { return description().contains(words); }, 5000);
    }
    // How often the bus was told of the event on object (with the text, for a text insertion).
    int count(QAccessible::Event type, const QObject* object, const QString& text = {}) const {
        return static_cast<int>(std::count_if(told.begin(), told.end(), [&](const Told& t) {
            return t.type == type && t.object == object && t.text == text;
        }));
    }
    std::vector<Told> told;
    std::function<void(QAccessibleEvent*)> previous;
    MainWindow window{2};
    Rig rig{{"Fruit.Thm"}, nullptr, nullptr, &window};
    QAccessibleInterface* machine = nullptr;
};

TEST(ScreenReader, TheMachineIsANamedPictureWhoseWordsAreToldOnceAnEventHasChangedThem) {
    ReaderRig r;
    ASSERT_NE(r.machine, nullptr);
    EXPECT_EQ(r.machine->role(), QAccessible::Graphic);
    EXPECT_EQ(r.machine->text(QAccessible::Name), "Fruitwhirl machine");
    ASSERT_TRUE(r.describedWith("Purse: 20 coins. Credits: 0.")) << r.description().toStdString();
    r.told.clear();
    Post(r.rig.m, ev::Key{KeyCommand::Coin});
    EXPECT_TRUE(r.describedWith("Purse: 19 coins. Credits: 1.")) << r.description().toStdString();
    EXPECT_EQ(r.count(QAccessible::DescriptionChanged, r.window.screen()), 1) << "told once for the coin";
    Post(r.rig.m, ev::Expose{});  // the same machine shown again
    QTest::qWait(50);
    EXPECT_EQ(r.count(QAccessible::DescriptionChanged, r.window.screen()), 1) << "the same words told again";
}

TEST(ScreenReader, EachCaptionShowsOnTheLineAndIsANotificationWithItsSentenceFromTheAnnouncerOfItsUrgency) {
    ReaderRig r;
    ASSERT_EQ(r.machine->childCount(), 2);
    const struct {
        const char* sentence;
        bool urgent;
    } captions[] = {{"No credit: insert a coin.", false},
                    {"No credit: insert a coin.", false},
                    {"Out of coins: continue or quit.", true}};
    for (const auto& caption : captions) {
        r.told.clear();
        r.window.Caption(caption.sentence, caption.urgent);
        EXPECT_EQ(r.window.findChild<QLabel*>("caption")->text(), caption.sentence) << "the caption line";
        QAccessibleInterface* said = r.machine->child(caption.urgent ? 1 : 0);
        QAccessibleInterface* quiet = r.machine->child(caption.urgent ? 0 : 1);
        ASSERT_NE(said, nullptr);
        EXPECT_EQ(said->role(), QAccessible::Notification);
        EXPECT_EQ(said->text(QAccessible::Name), caption.sentence);
        ASSERT_NE(said->textInterface(), nullptr);
        EXPECT_EQ(said->textInterface()->text(0, said->textInterface()->characterCount()), caption.sentence);
        EXPECT_EQ(r.count(QAccessible::ObjectShow, said->object()), 1) << caption.sentence;
        EXPECT_EQ(r.count(QAccessible::NameChanged, said->object()), 1) << caption.sentence;
        EXPECT_EQ(r.count(QAccessible::TextInserted, said->object(), caption.sentence), 1)
            << caption.sentence;
        EXPECT_EQ(r.count(QAccessible::ObjectShow, quiet->object()), 0) << caption.sentence;
    }
}

}  // namespace
}  // namespace fw::test
