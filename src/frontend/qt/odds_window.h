// frmOdds: the machine's exact odds and payouts, in a window beside the machine,
// which stays playable.
//
// The window lays out the odds' rows (edition/odds_rows.h), section by section,
// with the prizes' pay-table pictures and each chance's bar as decoration.
//
// Object names, for tests: for each section KEY of the rows ("Prizes", "NextGame",
// "Holds", "LongRun", "PayLines"), grpKEY (QGroupBox, hidden when the rows have no
// such section) with tblKEY (QTableWidget) and lblKEY (QLabel, the note);
// cmdClose (QPushButton).
#pragma once

#include "platform/odds_report.h"

class QWidget;

namespace fw {

// One modeless window for the run, reused. open: shows these figures and the
// window, placed beside the machine (right of it where the screen has room, else
// left of it) when it is not on the screen, and brings it forward. Otherwise only the
// figures of an open window are replaced; a closed one stays closed.
void ShowOddsWindow(QWidget* parent, int scale, const OddsReport& odds, bool open);

// The odds window is on the screen.
bool OddsWindowShown();

}  // namespace fw
