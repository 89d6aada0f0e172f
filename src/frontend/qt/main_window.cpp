#include "frontend/qt/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "edition/describe.h"
#include "edition/page_contract.h"
#include "edition/view_settings.h"
#include "frontend/qt/dialogs/dialogs.h"
#include "frontend/qt/dialogs/look.h"
#include "frontend/qt/dialogs/placement.h"
#include "frontend/qt/embedded.h"
#include "frontend/qt/key_map.h"
#include "frontend/qt/odds_window.h"
#include "frontend/qt/view_scale.h"
#include "machine/cells.h"
#include "shell/captions.h"
#include "shell/events.h"
#include "shell/keys.h"
#include "shell/trace.h"

namespace fw {

namespace {

// A window command's keys, from the game's one table of keys.
QList<QKeySequence> ShortcutsOf(WindowCommand command) {
    QList<QKeySequence> keys;
    for (const std::string& shown : Shortcuts(command))
        keys.append(QKeySequence(QString::fromStdString(shown), QKeySequence::PortableText));
    return keys;
}

// The view the player chose last, as far as a store keeps one.
ViewSettings StoredView(SettingsStore* store) {
    if (!store) return ViewSettings{.captions = kCaptionsAtFirstOnDesktop};
    return LoadViewSettings(*store, kMaxScale, kCaptionsAtFirstOnDesktop);
}

// The scale to start at: the one asked for, else the one chosen last (as
// large as still fits), else the default.
int StartScale(int scale, SettingsStore* store) {
    if (scale > 0) return scale;
    const int chosen = StoredView(store).scale;
    return chosen > 0 ? chosen : DefaultScale();
}

// The caption's text size at a scale: readable at the actual size, growing with the machine.
int CaptionPixels(int scale) {
    return 8 + 4 * std::max(scale, 1);
}

// A text of the machine for the window: UTF-8, or Latin-1 when the bytes are
// not UTF-8 (a file name from an older system).
QString Shown(const std::string& text) {
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    return IsUtf8(bytes) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

}  // namespace

MainWindow::MainWindow(int scale, SettingsStore* store)
    : store_(store),
      screen_(new ScreenWidget(StartScale(scale, store), this)),
      tmrElapsedTime_(new QTimer(this)),
      tmrMultiCheck_(new QTimer(this)) {
    setWindowTitle("Fruitwhirl");
    // The machine, and below it the caption line.
    auto* machine = new QWidget(this);
    auto* column = new QVBoxLayout(machine);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(screen_);
    caption_ = new QLabel(machine);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setTextFormat(Qt::PlainText);
    column->addWidget(caption_);
    machine->setFocusProxy(screen_);
    setCentralWidget(machine);
    buildMenus();
    tmrElapsedTime_->setInterval(TimerInterval(TimerId::ElapsedTime));
    tmrMultiCheck_->setInterval(TimerInterval(TimerId::MultiCheck));
    connect(tmrElapsedTime_, &QTimer::timeout, this, [this] { post(ev::Tick{TimerId::ElapsedTime}); });
    connect(tmrMultiCheck_, &QTimer::timeout, this, [this] { post(ev::Tick{TimerId::MultiCheck}); });
    connect(this, &MainWindow::captionShown, screen_, &ScreenWidget::announce);
    // Fixed size: the machine is a picture.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const ViewSettings view = StoredView(store);
    captions_->setChecked(view.captions);
    hints_->setChecked(view.hints);
    caption_->setVisible(view.captions);
    fitCaption();
    if (scale == 0) {
        startFullScreen_ = view.fullScreen;
        screen_->setScale(std::min(screen_->scale(), largestScale()));
        fitCaption();
    }
}

void MainWindow::buildMenus() {
    mnuGame_ = menuBar()->addMenu(QString());
    config_ = mnuGame_->addAction(QString());
    connect(config_, &QAction::triggered, this, [this] { post(ev::MenuConfig{}); });
    mnuGame_->addSeparator();
    quit_ = mnuGame_->addAction(QString());
    quit_->setShortcuts(ShortcutsOf(WindowCommand::Quit));
    connect(quit_, &QAction::triggered, this, [this] { post(ev::MenuQuit{}); });

    mnuTheme_ = menuBar()->addMenu(QString());
    // A choice of one, shown with radio marks; the marks stay where the machine puts them.
    auto* themes = new QActionGroup(this);
    themes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 1; i <= kThemeMenuItems; ++i) {
        QAction* item = mnuTheme_->addAction(QString("&Theme%1").arg(i));
        item->setCheckable(true);
        themes->addAction(item);
        item->setVisible(i == 1);
        item->setEnabled(i == 1);
        connect(item, &QAction::triggered, this, [this, i] {
            // The machine decides where the mark goes: the group's own move is undone.
            for (int j = 1; j <= kThemeMenuItems; ++j) mnuWheelTheme_[j]->setChecked(themeChecked_[j]);
            post(ev::MenuTheme{i});
        });
        mnuWheelTheme_[i] = item;
    }

    buildViewMenu();

    // M mutes at once, during a spin too: no machine event that waits its turn.
    auto* mute = new QAction(QCoreApplication::translate("menu", "Mute"), this);
    mute->setObjectName(QStringLiteral("mute"));
    mute->setShortcuts(ShortcutsOf(WindowCommand::Mute));
    connect(mute, &QAction::triggered, this, [this] {
        if (machine_) MuteKey(*machine_);
    });
    addAction(mute);

    mnuHelp_ = menuBar()->addMenu(QString());
    about_ = mnuHelp_->addAction(QString());
    connect(about_, &QAction::triggered, this, [this] { post(ev::MenuAbout{}); });
    manual_ = mnuHelp_->addAction(QString());
    manual_->setShortcuts(ShortcutsOf(WindowCommand::Manual));
    connect(manual_, &QAction::triggered, this, [this] { post(ev::MenuManual{}); });
    odds_ = mnuHelp_->addAction(QString());
    connect(odds_, &QAction::triggered, this, [this] { post(ev::MenuOdds{}); });
    nameMenus();

    menuBar()->installEventFilter(this);
    screen_->installEventFilter(this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        // The window holds the items too, so that their keys work while full screen hides the bar.
        addActions(menu->actions());
        // Once the menu has gone and no other opened in its place.
        // The menu takes the keyboard: the release of the Alt that opened it goes to the menu.
        connect(menu, &QMenu::aboutToShow, this, [this] { altHeld_ = false; });
        connect(menu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, [this] { giveKeysBack(); }); });
    }
}

void MainWindow::buildViewMenu() {
    // The window's own menu: it changes nothing of the machine and stays enabled.
    QMenu* view = mnuView_ = menuBar()->addMenu(QString());
    zoomIn_ = view->addAction(QString());
    zoomIn_->setShortcuts(ShortcutsOf(WindowCommand::ZoomIn));
    connect(zoomIn_, &QAction::triggered, this, [this] { zoom(screen_->scale() + 1); });
    zoomOut_ = view->addAction(QString());
    zoomOut_->setShortcuts(ShortcutsOf(WindowCommand::ZoomOut));
    connect(zoomOut_, &QAction::triggered, this, [this] { zoom(screen_->scale() - 1); });
    actualSize_ = view->addAction(QString());
    actualSize_->setShortcuts(ShortcutsOf(WindowCommand::ActualSize));
    connect(actualSize_, &QAction::triggered, this, [this] { zoom(1); });
    view->addSeparator();
    fullScreen_ = view->addAction(QString());
    fullScreen_->setCheckable(true);
    fullScreen_->setShortcuts(ShortcutsOf(WindowCommand::FullScreen));
    connect(fullScreen_, &QAction::triggered, this, [this](bool on) { setFullScreen(on); });
    view->addSeparator();
    captions_ = view->addAction(QString());
    captions_->setCheckable(true);
    connect(captions_, &QAction::triggered, this, [this](bool on) { setCaptions(on); });
    hints_ = view->addAction(QString());
    hints_->setCheckable(true);
    connect(hints_, &QAction::triggered, this, [this](bool on) { setHints(on); });
}

void MainWindow::nameMenus() {
    mnuGame_->setTitle(QCoreApplication::translate("menu", "&Game"));
    config_->setText(QCoreApplication::translate("menu", "&Configuration"));
    quit_->setText(QCoreApplication::translate("menu", "&Quit Fruitwhirl"));
    mnuTheme_->setTitle(QCoreApplication::translate("menu", "&Theme"));
    mnuView_->setTitle(QCoreApplication::translate("menu", "&View"));
    zoomIn_->setText(QCoreApplication::translate("menu", "Zoom &In"));
    zoomOut_->setText(QCoreApplication::translate("menu", "Zoom &Out"));
    actualSize_->setText(QCoreApplication::translate("menu", "&Actual Size"));
    fullScreen_->setText(QCoreApplication::translate("menu", "&Full Screen"));
    captions_->setText(QCoreApplication::translate("menu", "&Captions"));
    hints_->setText(QCoreApplication::translate("menu", "&Hints"));
    mnuHelp_->setTitle(QCoreApplication::translate("menu", "&Help"));
    about_->setText(QCoreApplication::translate("menu", "&About Fruitwhirl"));
    manual_->setText(QCoreApplication::translate("menu", "&Manual For Fruitwhirl"));
    odds_->setText(QCoreApplication::translate("menu", "&Odds and Payouts"));
}

void MainWindow::SetLanguage(int choice) {
    if (!translations_) return;
    translations_->Speak(translations_->CodeFor(choice));
    // At once: the windows' LanguageChange comes later, through the event loop.
    nameMenus();
}

int MainWindow::largestScale() const {
    const QScreen* display = QWidget::screen();
    if (!display) return 1;
    // The screen's free area less the window's frame and menu bar.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize area = display->availableGeometry().size() -
                       QSize(frame.width(), frame.height() + menuBar()->sizeHint().height());
    int scale = FittingScale(area);
    // The caption line below the machine takes its room too.
    while (scale > 1 && !caption_->isHidden() &&
           WindowSize(scale, devicePixelRatioF()).height() + captionHeight(scale) > area.height())
        --scale;
    return scale;
}

int MainWindow::captionHeight(int scale) const {
    // Three lines of text: a long caption wraps without the window changing its size.
    QFont font = caption_->font();
    font.setPixelSize(CaptionPixels(scale));
    return 3 * QFontMetrics(font).lineSpacing() + CaptionPixels(scale) / 2 + 1;
}

void MainWindow::fitCaptionText() {
    // A caption longer than the line's three lines is told a little smaller, down to 9 pixels.
    const int margin = CaptionPixels(captionScale_) / 2;
    const int width = caption_->width() - 2 * margin;
    const int room = caption_->height() - CaptionPixels(captionScale_) / 2 - 1;
    int pixels = CaptionPixels(captionScale_);
    QFont font = caption_->font();
    for (; pixels > 9; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font)
                .boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, caption_->text())
                .height() <= room)
            break;
    }
    ApplyCaptionLook(caption_, pixels, margin);
}

void MainWindow::fitCaption() {
    const bool full = screen_->fullScreen();
    const QScreen* display = QWidget::screen();
    const int scale = full && display ? FittingScale(display->geometry().size()) : screen_->scale();
    captionScale_ = scale;
    caption_->setFixedHeight(captionHeight(scale));
    if (full) {
        caption_->setMinimumWidth(0);
        caption_->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        caption_->setFixedWidth(WindowSize(scale, devicePixelRatioF()).width());
    }
    screen_->setRoomBelow(caption_->isHidden() ? 0 : caption_->height());
    fitCaptionText();
}

void MainWindow::setCaptions(bool on) {
    captions_->setChecked(on);
    if (on == !caption_->isHidden()) return;
    caption_->setVisible(on);
    fitCaption();
    // The window grows by the line: the machine gets smaller when it no longer fits.
    if (on && !screen_->fullScreen() && screen_->scale() > largestScale()) screen_->setScale(largestScale());
    fitCaption();
    rememberView();
}

void MainWindow::setHints(bool on) {
    hints_->setChecked(on);
    if (machine_) ShowHints(*machine_, on);
    rememberView();
}

void MainWindow::Caption(const std::string& sentence, bool urgent) {
    const QString said = QString::fromStdString(sentence);
    caption_->setText(said);
    fitCaptionText();
    emit captionShown(said, urgent);
}

void MainWindow::zoom(int scale) {
    if (screen_->fullScreen()) return;
    scale = std::clamp(scale, 1, largestScale());
    if (scale == screen_->scale()) return;
    screen_->setScale(scale);
    fitCaption();
    rememberView();
}

void MainWindow::setFullScreen(bool fullScreen) {
    fullScreen_->setChecked(fullScreen);
    for (QAction* zooming : {zoomIn_, zoomOut_, actualSize_}) zooming->setEnabled(!fullScreen);
    if (fullScreen == screen_->fullScreen()) return;
    layout()->setSizeConstraint(fullScreen ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
    screen_->setFullScreen(fullScreen);
    setProperty(kFullScreenProperty, fullScreen);
    // The pointer at the top edge brings the menu bar.
    screen_->setMouseTracking(fullScreen);
    altHeld_ = pointerAtTop_ = false;
    showMenuBarWhenAsked();
    if (fullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        // Without a window manager nothing else gives the window the screen.
        if (const QScreen* display = QWidget::screen()) setGeometry(display->geometry());
    } else {
        showNormal();
    }
    fitCaption();
    // The manual and the odds beside the machine, or over it as panels, as the new view has room.
    QTimer::singleShot(0, this, [this] { PlaceBesideMachineAgain(this); });
    rememberView();
}

void MainWindow::showMenuBarWhenAsked() {
    const bool asked = !screen_->fullScreen() || altHeld_ || pointerAtTop_ ||
                       QApplication::activePopupWidget() || menuBar()->hasFocus();
    if (menuBar()->isVisible() != asked) menuBar()->setVisible(asked);
}

void MainWindow::rememberView() const {
    if (store_)
        KeepViewSettings(
            *store_, {screen_->scale(), screen_->fullScreen(), captions_->isChecked(), hints_->isChecked()});
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!machineKey(event)) QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Alt) {
        altHeld_ = false;
        // Alt let go alone may have given the bar the keyboard: it stays while it holds it.
        QTimer::singleShot(0, this, [this] { showMenuBarWhenAsked(); });
    }
    QMainWindow::keyReleaseEvent(event);
}

bool MainWindow::machineKey(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->key() == Qt::Key_Alt && screen_->fullScreen()) {
        altHeld_ = true;
        showMenuBarWhenAsked();
        return false;
    }
    if (event->key() == Qt::Key_Escape && plain && screen_->fullScreen()) {
        // The first Escape closes a panel over the machine, the next one leaves full screen.
        if (!CloseMachinePanel(this)) setFullScreen(false);
        return true;
    }
    const std::optional<ev::Key> key = MachineKey(event->key(), event->modifiers());
    if (!key) return false;
    // A key held down stands for one press; no key reaches the machine under a modal window.
    if (!event->isAutoRepeat() && !QApplication::activeModalWidget()) post(*key);
    return true;
}

void MainWindow::giveKeysBack() {
    // A menu closed with Escape (or Alt let go alone) leaves the menu bar holding the keyboard, taking
    // plain letters as its own; with no menu open the keyboard belongs to the machine again.
    if (!QApplication::activePopupWidget() && menuBar()->hasFocus()) screen_->setFocus(Qt::OtherFocusReason);
    showMenuBarWhenAsked();
}

void MainWindow::attach(Machine* machine) {
    machine_ = machine;
    ShowHints(*machine, hints_->isChecked());
    screen_->setSurface(&machine->display.hdcScreen);
    screen_->setPoster([this](MachineEvent event) { post(event); });
}

void MainWindow::post(MachineEvent event) {
    if (machine_) Post(*machine_, event);
}

void MainWindow::ShowWindow() {
    show();
    if (startFullScreen_) setFullScreen(true);
    raise();
    // Uncovering a part of the window repaints it from the composition surface.
    windowHandle()->installEventFilter(this);
    TraceMark("shown");
}

void MainWindow::Present() {
    screen_->present(false);
    describeLater();
}

void MainWindow::describeLater() {
    // The machine shows every event's end: the words follow once no event is in hand, not each
    // frame of a spin.
    if (describing_) return;
    describing_ = true;
    QTimer::singleShot(0, this, [this] {
        describing_ = false;
        if (!machine_ || !AtRest(*machine_)) return;
        const QString words = QString::fromStdString(DescribeMachine(*machine_));
        if (words == screen_->description()) return;
        screen_->setDescription(words);
        TraceMark("described");
    });
}

void MainWindow::SetPointer(Pointer pointer) {
    const bool busy = pointer == Pointer::Hourglass;
    if (busy == busyPointer_) return;
    busyPointer_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::SetDragIcon(DragIcon icon) {
    if (icon == DragIcon::None) {
        screen_->unsetCursor();
        return;
    }
    const auto bytes = Embedded(icon == DragIcon::OneCoin ? "drag-coin" : "drag-stack");
    QPixmap picture;
    picture.loadFromData(bytes.data(), static_cast<uint>(bytes.size()));
    // The icon keeps its 32 x 32 size at every scale, like a pointer.
    screen_->setCursor(QCursor(picture, 16, 16));
}

bool MainWindow::RunConfigDialog(ConfigValues& values) {
    return fw::RunConfigDialog(this, screen_->scale(), values);
}

void MainWindow::ShowAbout(const std::string& version) {
    auto picture = [](const char* name) {
        const auto bytes = Embedded(name);
        QPixmap pixmap;
        if (!bytes.empty()) pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size()));
        return pixmap;
    };
    RunAboutDialog(this, screen_->scale(), QString::fromStdString(version), picture("logo"), picture("title"),
                   picture("email"), picture("homepage"));
}

void MainWindow::ShowManual(const std::string& path) {
    fw::ShowManual(this, screen_->scale(),
                   QString::fromStdString(translations_ ? translations_->Translated(path) : path));
}

void MainWindow::ShowOdds(const OddsReport& odds, bool open) {
    ShowOddsWindow(this, screen_->scale(), odds, open);
}

bool MainWindow::OddsShown() {
    return OddsWindowShown();
}

void MainWindow::EnableMenu(MenuId menu, bool enabled) {
    QMenu* target = menu == MenuId::Game ? mnuGame_ : menu == MenuId::Theme ? mnuTheme_ : mnuHelp_;
    target->menuAction()->setEnabled(enabled);
}

void MainWindow::SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) {
    QAction* item = mnuWheelTheme_.at(index);
    item->setText(Shown(caption));
    item->setVisible(visible);
    item->setEnabled(enabled);
}

void MainWindow::CheckThemeItem(int index, bool checked) {
    themeChecked_.at(index) = checked;
    mnuWheelTheme_.at(index)->setChecked(checked);
}

void MainWindow::SetTopmost(bool topmost) {
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    show();
}

void MainWindow::EnableTimer(TimerId timer, bool enabled) {
    QTimer* target = timer == TimerId::ElapsedTime ? tmrElapsedTime_ : tmrMultiCheck_;
    if (enabled) {
        target->start();  // a restart counts the interval afresh
    } else {
        target->stop();
    }
}

void MainWindow::ShowError(const std::string& title, const std::string& text) {
    ShowCabinetMessage(isVisible() ? this : nullptr, QMessageBox::Critical, Shown(title), Shown(text));
}

void MainWindow::ShowMessage(const std::string& title, const std::string& text) {
    ShowCabinetMessage(isVisible() ? this : nullptr, QMessageBox::Warning, QString::fromStdString(title),
                       QString::fromStdString(text));
}

bool MainWindow::Ask(const std::string& title, const std::string& text, const std::string& yes,
                     const std::string& no) {
    QMessageBox box(QMessageBox::Warning, Shown(title), Shown(text), QMessageBox::NoButton,
                    isVisible() ? this : nullptr);
    QPushButton* again = box.addButton(Shown(yes), QMessageBox::AcceptRole);
    // Closing or cancelling the box answers no.
    box.setEscapeButton(box.addButton(Shown(no), QMessageBox::RejectRole));
    box.setDefaultButton(again);
    ApplyCabinetLook(&box);
    box.exec();
    return box.clickedButton() == again;
}

void MainWindow::EndProgram(int status) {
    TraceMark("end");
    ending_ = true;
    exitStatus_ = status;
    QCoreApplication::exit(status);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ending_) {
        event->accept();
        return;
    }
    // The window stays for the closing wipe; the shutdown ends the program.
    event->ignore();
    post(ev::CloseWindow{});
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar() && event->type() == QEvent::KeyPress && !QApplication::activePopupWidget()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (MachineKey(key->key(), key->modifiers())) {
            giveKeysBack();
            machineKey(key);
            return true;
        }
    }
    if (watched == menuBar() && event->type() == QEvent::FocusOut) {
        QTimer::singleShot(0, this, [this] { showMenuBarWhenAsked(); });
    }
    if (watched == screen_ && event->type() == QEvent::MouseMove && screen_->fullScreen()) {
        const int y = screen_->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()).y();
        const bool atTop = y <= 0;
        if (atTop != pointerAtTop_) {
            pointerAtTop_ = atTop;
            showMenuBarWhenAsked();
        }
    }
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        post(ev::Expose{});
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) post(ev::Activate{});
    if (event->type() == QEvent::WindowDeactivate) {
        screen_->cancelPress();
        altHeld_ = pointerAtTop_ = false;
        showMenuBarWhenAsked();
    }
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) nameMenus();
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimized = windowState() & Qt::WindowMinimized;
        if (wasMinimized_ && !minimized) post(ev::Expose{});
        wasMinimized_ = minimized;
    }
    QMainWindow::changeEvent(event);
}

int DefaultScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    return std::max(1, screen->geometry().height() / 2 / kScreenHeight);
}

}  // namespace fw
