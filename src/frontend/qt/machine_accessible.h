// The machine as a screen reader finds it on the desktop: the screen widget is
// an accessible picture named "Fruitwhirl machine" whose description is the
// machine in words (edition/describe.h), and beneath it two announcers, one
// for what the machine says in passing and one for what it says at once (a
// panel, a jackpot). An announcer takes each sentence as its name and text and
// tells the accessibility bus three ways: its name changed, text was inserted,
// and it shows, which is how a notification reaches a screen reader on AT-SPI
// (Qt 6.4 has no announcement event of its own).
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAccessibleEvent;

namespace fw {

// What an announcer said last; a plain object, its accessible interface is
// made by the factory that InstallMachineAccessibility installs.
class Announcer : public QObject {
    Q_OBJECT
public:
    Announcer(bool urgent, QObject* parent) : QObject(parent), urgent_(urgent) {}
    bool urgent() const { return urgent_; }
    const QString& said() const { return said_; }
    // Says the sentence: the bus is told even when it repeats the last one.
    void say(const QString& sentence);

private:
    bool urgent_;
    QString said_;
};

// Makes the screen widget and its announcers accessible objects; once per program.
void InstallMachineAccessibility();

// Where the machine's accessibility events go: to Qt's bridge to the
// accessibility bus (AT-SPI), which tests replace by a listener of their own.
std::function<void(QAccessibleEvent*)>& AccessibilityEvents();

}  // namespace fw
