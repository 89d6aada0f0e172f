// The main window: the machine's screen at a whole-number scale, the menu bar,
// and the window services the machine asks for.
#pragma once

#include <array>
#include <functional>

#include <QMainWindow>

#include "edition/page_contract.h"
#include "frontend/qt/screen_widget.h"
#include "frontend/qt/translations.h"
#include "machine/machine.h"
#include "platform/host.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace fw {

class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    // At a scale, or at 0 with the scale and full screen the player chose last
    // (the largest that fits in half the screen's height the first time). The
    // view is read from the settings store and kept there when it changes;
    // without a store it is not remembered.
    explicit MainWindow(int scale, SettingsStore* store = nullptr);
    // The catalogues the player's language is spoken from; without them, English.
    void setTranslations(Translations* translations) { translations_ = translations; }

    // Connects the machine; input from then on becomes machine events.
    void attach(Machine* machine);
    int exitStatus() const { return exitStatus_; }
    ScreenWidget* screen() const { return screen_; }

    // The View menu: the window's scale from 1 to the largest that fits the
    // screen, and full screen. Both are remembered for the next run.
    void zoom(int scale);
    void setFullScreen(bool fullScreen);
    int largestScale() const;
    // View -> Captions: the line below the machine that tells the game in words;
    // View -> Hints: the captions give the best hold after a game. Both remembered.
    void setCaptions(bool on);
    void setHints(bool on);

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
    void ShowMessage(const std::string& title, const std::string& text) override;
    bool Ask(const std::string& title, const std::string& text, const std::string& yes,
             const std::string& no) override;
    void EndProgram(int status) override;
    void SetLanguage(int choice) override;
    // Shown on the caption line while View -> Captions is on; captionShown carries every
    // caption, shown or not, to whoever tells it otherwise (a screen reader).
    void Caption(const std::string& sentence, bool urgent) override;

signals:
    // The machine said a sentence to the player (urgent: a panel or a jackpot).
    void captionShown(const QString& sentence, bool urgent);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildViewMenu();
    // The menus' words in the player's language.
    void nameMenus();
    void post(MachineEvent event);
    // A key of the machine (or Escape leaving full screen) is handled: true.
    bool machineKey(QKeyEvent* event);
    void giveKeysBack();
    // In full screen the menu bar shows only while the player asks for it: the pointer at the
    // screen's top edge, Alt held, a menu open or the bar holding the keyboard.
    void showMenuBarWhenAsked();
    void rememberView() const;
    // The caption line's text size and room for the view's scale.
    void fitCaption();
    int captionHeight(int scale) const;
    void fitCaptionText();
    // The machine in words for a screen reader, once the machine is between events again.
    void describeLater();

    SettingsStore* store_;
    Machine* machine_ = nullptr;
    ScreenWidget* screen_;
    QMenu* mnuGame_ = nullptr;
    QMenu* mnuTheme_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QMenu* mnuView_ = nullptr;
    QAction* config_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* about_ = nullptr;
    QAction* manual_ = nullptr;
    QAction* odds_ = nullptr;
    Translations* translations_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* actualSize_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QAction* captions_ = nullptr;
    QAction* hints_ = nullptr;
    QLabel* caption_ = nullptr;
    int captionScale_ = 1;  // the scale the caption line's text is sized for
    bool startFullScreen_ = false;
    bool altHeld_ = false;
    bool pointerAtTop_ = false;
    std::array<QAction*, kThemeMenuItems + 1> mnuWheelTheme_{};  // items 1..10
    std::array<bool, kThemeMenuItems + 1> themeChecked_{};       // where the machine put the marks
    QTimer* tmrElapsedTime_;
    QTimer* tmrMultiCheck_;
    bool busyPointer_ = false;
    bool describing_ = false;
    bool ending_ = false;
    bool wasMinimized_ = false;
    int exitStatus_ = 0;
};

// The scale at which the picture fits in half the screen's height, at least 1.
int DefaultScale();

}  // namespace fw
