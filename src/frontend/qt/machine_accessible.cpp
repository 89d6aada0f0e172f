#include "frontend/qt/machine_accessible.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QWidget>

#include "frontend/qt/screen_widget.h"
#include "platform/words.h"

namespace fw {

namespace {

constexpr int kAnnouncers = 2;  // the one that waits its turn, then the one that speaks at once

// The screen widget: a picture with the machine in words as its description,
// and the two announcers as its children.
class MachineInterface : public QAccessibleWidget {
public:
    explicit MachineInterface(ScreenWidget* screen) : QAccessibleWidget(screen, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return QString::fromStdString(Tr("Accessible", "Fruitwhirl machine"));
            case QAccessible::Description:
                return screen()->description();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    int childCount() const override { return kAnnouncers; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kAnnouncers) return nullptr;
        return QAccessible::queryAccessibleInterface(screen()->announcer(index == 1));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kAnnouncers; ++i)
            if (child && child->object() == screen()->announcer(i == 1)) return i;
        return -1;
    }

private:
    ScreenWidget* screen() const { return static_cast<ScreenWidget*>(widget()); }
};

// An announcer: a notification whose name and text are the last sentence said.
class AnnouncerInterface : public QAccessibleObject, public QAccessibleTextInterface {
public:
    explicit AnnouncerInterface(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return said();
            case QAccessible::Description:
                return QString::fromStdString(announcer()->urgent()
                                                  ? Tr("Accessible", "What the machine says at once")
                                                  : Tr("Accessible", "What the machine says"));
            default:
                return {};
        }
    }
    QRect rect() const override {
        const QAccessibleInterface* machine = parent();
        return machine ? machine->rect() : QRect();
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleObject::interface_cast(t);
    }

    // The text: the sentence, read only, without a caret or selections.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return said().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(said().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    Announcer* announcer() const { return static_cast<Announcer*>(object()); }
    const QString& said() const { return announcer()->said(); }
};

QAccessibleInterface* MachineFactory(const QString&, QObject* object) {
    if (auto* screen = qobject_cast<ScreenWidget*>(object)) return new MachineInterface(screen);
    if (auto* announcer = qobject_cast<Announcer*>(object)) return new AnnouncerInterface(announcer);
    return nullptr;
}

}  // namespace

void Announcer::say(const QString& sentence) {
    const QString before = said_;
    said_ = sentence;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    AccessibilityEvents()(&named);
    if (!before.isEmpty()) {
        QAccessibleTextRemoveEvent removed(this, 0, before);
        AccessibilityEvents()(&removed);
    }
    QAccessibleTextInsertEvent inserted(this, 0, sentence);
    AccessibilityEvents()(&inserted);
    // A notification that shows is what a screen reader speaks of its own accord.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    AccessibilityEvents()(&shown);
}

std::function<void(QAccessibleEvent*)>& AccessibilityEvents() {
    static std::function<void(QAccessibleEvent*)> events = [](QAccessibleEvent* event) {
        QAccessible::updateAccessibility(event);
    };
    return events;
}

void InstallMachineAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MachineFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace fw
