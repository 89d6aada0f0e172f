// The main window: the machine's screen at a whole-number scale, the menu bar,
// and the window services the machine asks for.
#pragma once

#include <array>
#include <chrono>
#include <functional>

#include <QImage>
#include <QMainWindow>

#include "machine/machine.h"
#include "platform/host.h"

class QAction;
class QMenu;
class QTimer;

namespace fw {

// Shows the screen surface, scaled with nearest-neighbour sampling, and turns
// mouse presses and releases into machine events.
class ScreenWidget : public QWidget {
    Q_OBJECT
public:
    ScreenWidget(int scale, QWidget* parent);
    void setSurface(const Surface* surface) { surface_ = surface; }
    void setPoster(std::function<void(MachineEvent)> post) { post_ = std::move(post); }
    int scale() const { return scale_; }
    // The machine pixel under a widget position.
    QPointF toMachine(QPointF position) const;
    // The window lost the mouse while a button was held: the press ends with no drop.
    void cancelPress();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Surface* surface_ = nullptr;
    std::function<void(MachineEvent)> post_;
    int scale_;
    QImage frame_;
    Qt::MouseButton held_ = Qt::NoButton;  // the button whose press is under way
};

class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    explicit MainWindow(int scale);

    // Connects the machine; input from then on becomes machine events.
    void attach(Machine* machine);
    // Waits until the deadline, keeping the window painted and queueing input.
    void waitUntil(std::chrono::steady_clock::time_point deadline);
    int exitStatus() const { return exitStatus_; }
    ScreenWidget* screen() const { return screen_; }

    // Host
    void ShowWindow() override;
    void Present() override;
    void SetPointer(Pointer pointer) override;
    void SetDragIcon(DragIcon icon) override;
    bool RunConfigDialog(ConfigValues& values) override;
    void ShowAbout(const std::string& version) override;
    void ShowManual(const std::string& path) override;
    void ShowOdds(const OddsReport& odds, bool open) override;
    bool OddsShown() override;
    void EnableMenu(MenuId menu, bool enabled) override;
    void SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) override;
    void CheckThemeItem(int index, bool checked) override;
    void SetTopmost(bool topmost) override;
    void EnableTimer(TimerId timer, bool enabled) override;
    void ShowError(const std::string& title, const std::string& text) override;
    void EndProgram(int status) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void post(MachineEvent event);

    Machine* machine_ = nullptr;
    ScreenWidget* screen_;
    QMenu* mnuGame_ = nullptr;
    QMenu* mnuTheme_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    std::array<QAction*, 11> mnuWheelTheme_{};  // items 1..10
    QTimer* tmrElapsedTime_;
    QTimer* tmrMultiCheck_;
    std::chrono::steady_clock::time_point lastPresent_{};
    bool busyPointer_ = false;
    bool ending_ = false;
    bool wasMinimized_ = false;
    int exitStatus_ = 0;
};

// The scale at which the picture fits in half the screen's height, at least 1.
int DefaultScale();

}  // namespace fw
