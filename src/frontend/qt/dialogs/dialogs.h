// The game's three dialog windows, in the cabinet's look (look.h): frmConfig, frmAbout and frmManual.
//
// Object names, for tests and style sheets:
//   frmConfig:  tabConfig (QTabWidget) with the pages TabContainer0..TabContainer3;
//               lblSpeed (QLabel), scrSpeed (QSlider) on page 0; lblName (QLabel), txtYourName
//               (QLineEdit) on page 1; chkSound (QCheckBox) on page 2; chkResetHigh (QCheckBox) on
//               page 3; cmdButton0 "&Ok" and cmdButton1 "&Cancel" (QPushButton).
//   frmAbout:   imgLogo (QLabel, the logo), imgTitle (QLabel, the lettering as the title, accessible
//               name "Fruitwhirl"), lblText, imgMail, imgWeb (QLabel, each only for an address the
//               build was given), Line1 (with them), Line2 (QFrame), cmdOk
//               (QPushButton).
//   frmManual:  txtManual (QPlainTextEdit), cmdQuit (QPushButton, "&Close").
#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

#include "edition/about.h"
#include "platform/host.h"

class QPixmap;
class QUrl;
class QWidget;

namespace fw {

// frmConfig, modal, at the parent window's top-left + (40, 80) pixels times scale.
// Returns true on "&Ok" with values updated: the name as typed (an empty name is accepted),
// soundOn 0 or 1 from the sound box (always), speed = 100 - slider, and resetHighScores set to true
// only when its box is ticked (otherwise left as it was). Returns false on "&Cancel", Escape or the
// close box, with values untouched.
bool RunConfigDialog(QWidget* parent, int scale, ConfigValues& values);

// frmAbout, modal, at the parent window's top-left + (40, 87) pixels times scale. The logo is shown
// at a whole scale, twice its size from a machine scale of 3, and the title one size larger. A null
// logo is left out; a null title is replaced by a text of the same use. Each link is a picture
// (mail or web, by its kind; without one its address as a text) whose tooltip names the address it
// opens; without links there is none.
void RunAboutDialog(QWidget* parent, int scale, const QString& version, const QPixmap& logo,
                    const QPixmap& title, const QPixmap& mail, const QPixmap& web,
                    const std::vector<AboutLink>& links = AboutLinks());

// Opens the About window's addresses. By default QDesktopServices::openUrl, whose result is ignored:
// when nothing handles the address, nothing happens. An empty function restores the default.
using UrlOpener = std::function<void(const QUrl&)>;
void SetUrlOpener(UrlOpener opener);

// frmManual, modeless: one window for the run, reused. Every call reads the file afresh and replaces
// the text; a window that is not on the screen is placed beside the machine (BesidePosition). A missing or
// unreadable file gives a message box naming it, and no window. Only the first MiB of a larger file is shown;
// text that is not valid UTF-8 is read as Latin-1.
void ShowManual(QWidget* parent, int scale, const QString& path);

inline constexpr qint64 kManualLimit = 1024 * 1024;

// True when the bytes are valid UTF-8. Texts that are not (a file name or a file from an older
// system) are read as Latin-1, every byte one character.
bool IsUtf8(QByteArrayView bytes);

}  // namespace fw
