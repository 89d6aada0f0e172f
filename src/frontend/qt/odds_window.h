// frmOdds: the machine's exact odds and payouts, in a window beside the machine,
// which stays playable.
//
// Object names, for tests: tblPrizes (QTableWidget: the prizes' pictures, their
// coins and their chances in the long run and in the next game; then the bonus
// wheel in the Mania period, and "No win"), lblLongRun (QLabel), grpNextGame
// (QGroupBox) with lblNextGame (QLabel) and tblHolds (QTableWidget, the hold
// choices), cmdClose (QPushButton).
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
