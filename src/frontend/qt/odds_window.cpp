#include "frontend/qt/odds_window.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "frontend/qt/dialogs/look.h"
#include "frontend/qt/dialogs/placement.h"
#include "shell/odds.h"

namespace fw {
namespace {

constexpr int kBarRole = Qt::UserRole;  // the chance a cell's bar shows, 0..1
// A dark gold, under which the cabinet's cream figures stay readable.
const QColor kBarColour(0x6A, 0x4C, 0x20);

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The exact figure behind a rounded one.
QString Exactly(const Rational& chance) {
    return Text(FractionText(chance) + " = " + Percent(chance));
}

// Paints a cell's chance as a bar to scale, the full width being certainty,
// behind the cell's text.
class BarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant chance = index.data(kBarRole);
        if (chance.isValid()) {
            QRectF bar = QRectF(option.rect).adjusted(1, 3, -1, -3);
            bar.setWidth(std::max(1.0, bar.width() * chance.toDouble()));
            painter->fillRect(bar, kBarColour);
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

// The width at which no header and no cell of a table is cut.
int NeededWidth(QTableWidget* table) {
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(false);
    table->resizeColumnsToContents();
    int width = 2 * table->frameWidth();
    for (int column = 0; column < table->columnCount(); ++column)
        width += std::max(header->sectionSizeHint(column), table->columnWidth(column));
    header->setStretchLastSection(true);
    return width;
}

// The choice of a hold as the table names it: "Hold left and right reels (held now)  ★ best".
std::string HoldName(const HoldOdds& hold) {
    static const char* const kReels[3] = {"left", "middle", "right"};
    std::string name;
    for (int r = 0; r < 3; ++r) {
        if (!hold.held[r]) continue;
        name += name.empty() ? "" : " and ";
        name += kReels[r];
    }
    if (name.empty()) {
        name = "No hold";
    } else {
        name = "Hold " + name + (name.find(" and ") == std::string::npos ? " reel" : " reels");
        if (hold.chosen) name += " (held now)";
    }
    if (hold.best) name += "  \u2605 best";
    return name;
}

// A pay-table picture of the theme, each of its pixels `scale` pixels square.
QIcon PrizeIcon(const Surface& cell, int scale) {
    QImage image(cell.width(), cell.height(), QImage::Format_RGB32);
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) image.setPixel(x, y, 0xFF000000u | cell.pixel(x, y));
    }
    return QPixmap::fromImage(image.scaled(image.size() * scale));
}

// A table that shows all its rows, read only, without a selection or scroll bars.
void ShowWhole(QTableWidget* table) {
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(
        std::max(table->fontMetrics().height(), table->iconSize().height()) + 8);
    table->setWordWrap(false);
    // Every column as wide as its header and its cells; the last one takes what is left.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// A table as high as its header and rows.
void FitHeight(QTableWidget* table) {
    table->setFixedHeight(table->horizontalHeader()->height() + table->verticalHeader()->length() +
                          2 * table->frameWidth());
}

class OddsWindow : public QDialog {
public:
    OddsWindow(QWidget* parent, int scale);
    void setOdds(const OddsReport& odds);

private:
    QGroupBox* nextGameBox();
    QHBoxLayout* buttons();
    void setPrizes(const OddsReport& odds);
    void setChance(int row, int column, const Rational& chance);
    void setTexts(const OddsReport& odds);
    void setHolds(const std::vector<HoldOdds>& holds);

    int pictureScale_;
    QTableWidget* tblPrizes_;
    QLabel* lblLongRun_;
    QLabel* lblNextGame_;
    QTableWidget* tblHolds_;
};

OddsWindow::OddsWindow(QWidget* parent, int scale)
    : QDialog(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      pictureScale_(std::clamp(scale, 2, 3)) {
    setObjectName(QStringLiteral("frmOdds"));
    setWindowTitle(QStringLiteral("Fruitwhirl Odds and Payouts"));
    setModal(false);

    tblPrizes_ = new QTableWidget(0, 4, this);
    tblPrizes_->setObjectName(QStringLiteral("tblPrizes"));
    tblPrizes_->setHorizontalHeaderLabels({"Prize", "Coins", "Long run", "Next game"});
    tblPrizes_->setItemDelegate(new BarDelegate(tblPrizes_));
    tblPrizes_->setIconSize(QSize(33, 7) * pictureScale_);
    ShowWhole(tblPrizes_);

    lblLongRun_ = new QLabel(this);
    lblLongRun_->setObjectName(QStringLiteral("lblLongRun"));
    lblLongRun_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tblPrizes_);
    layout->addWidget(lblLongRun_);
    layout->addWidget(nextGameBox());
    layout->addLayout(buttons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyCabinetLook(this);
}

// The next game's return and the table of its hold choices.
QGroupBox* OddsWindow::nextGameBox() {
    auto* grpNextGame = new QGroupBox(QStringLiteral("Next game"), this);
    grpNextGame->setObjectName(QStringLiteral("grpNextGame"));
    lblNextGame_ = new QLabel(grpNextGame);
    lblNextGame_->setObjectName(QStringLiteral("lblNextGame"));
    lblNextGame_->setWordWrap(true);
    tblHolds_ = new QTableWidget(0, 3, grpNextGame);
    tblHolds_->setObjectName(QStringLiteral("tblHolds"));
    tblHolds_->setHorizontalHeaderLabels({"Hold", "Coins on average", "Chance of a win"});
    ShowWhole(tblHolds_);
    auto* next = new QVBoxLayout(grpNextGame);
    next->addWidget(lblNextGame_);
    next->addWidget(tblHolds_);
    return grpNextGame;
}

QHBoxLayout* OddsWindow::buttons() {
    auto* cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    return buttons;
}

void OddsWindow::setChance(int row, int column, const Rational& chance) {
    auto* item = new QTableWidgetItem(Text(OneIn(chance)));
    item->setData(kBarRole, chance.value());
    item->setToolTip(Exactly(chance));
    tblPrizes_->setItem(row, column, item);
}

void OddsWindow::setOdds(const OddsReport& odds) {
    setPrizes(odds);
    setTexts(odds);
    setHolds(odds.holds);
    tblPrizes_->setMinimumWidth(std::max(tblPrizes_->iconSize().width() * 4 + 120, NeededWidth(tblPrizes_)));
    tblHolds_->setMinimumWidth(NeededWidth(tblHolds_));
}

// The twelve prizes, the bonus wheel while the Mania period runs, and no win.
void OddsWindow::setPrizes(const OddsReport& odds) {
    const int wheelRow = odds.mania ? kPrizes : -1;
    const int noWinRow = kPrizes + (odds.mania ? 1 : 0);
    tblPrizes_->setRowCount(noWinRow + 1);
    for (int k = 0; k < kPrizes; ++k) {
        auto* prize = new QTableWidgetItem;
        const Surface& cell = odds.pictures[k];
        if (cell.empty()) {
            prize->setText(QStringLiteral("Prize %1").arg(k + 1));
        } else {
            prize->setIcon(PrizeIcon(cell, pictureScale_));
        }
        prize->setToolTip(Text(odds.lines[k]));
        tblPrizes_->setItem(k, 0, prize);
        tblPrizes_->setItem(k, 1, new QTableWidgetItem(QString::number(odds.coins[k])));
        setChance(k, 2, odds.longRun.prize[k]);
        setChance(k, 3, odds.nextGame.prize[k]);
    }
    if (wheelRow >= 0) {
        tblPrizes_->setItem(wheelRow, 0, new QTableWidgetItem(QStringLiteral("Bonus wheel")));
        tblPrizes_->setItem(wheelRow, 1, new QTableWidgetItem(QStringLiteral("20 to 50")));
        setChance(wheelRow, 2, odds.longRunMania.wheel);
        setChance(wheelRow, 3, odds.nextGame.wheel);
    }
    tblPrizes_->setItem(noWinRow, 0, new QTableWidgetItem(QStringLiteral("No win")));
    tblPrizes_->setItem(noWinRow, 1, new QTableWidgetItem);
    setChance(noWinRow, 2, odds.longRun.noWin);
    setChance(noWinRow, 3, odds.nextGame.noWin);
    if (wheelRow >= 0)
        tblPrizes_->item(wheelRow, 2)->setToolTip(Exactly(odds.longRunMania.wheel) + " in the Mania period");
    FitHeight(tblPrizes_);
}

// The return in the long run, and the next game's.
void OddsWindow::setTexts(const OddsReport& odds) {
    lblLongRun_->setText(
        Text("In the long run, never holding and outside the Mania period, a credit returns " +
             FractionText(odds.longRun.payout) + " coins (" + Percent(odds.longRun.payout) +
             "); a 100-coin prize comes every " + FractionText(odds.gamesBetweenTop) +
             " games on average. In the Mania period the special symbols and the bonus wheel raise the "
             "return to " +
             FractionText(odds.longRunMania.payout) + " coins (" + Percent(odds.longRunMania.payout) + ")."));

    std::string next = "From where the reels stand, the next game returns " +
                       FractionText(odds.nextGame.payout) + " coins per credit (" +
                       Percent(odds.nextGame.payout) + ")";
    next += odds.mania ? ", with the special symbols and the bonus wheel of the Mania period." : ".";
    if (odds.holds.empty()) next += " It offers no hold.";
    lblNextGame_->setText(Text(next));
}

// The hold choices, the best in bold.
void OddsWindow::setHolds(const std::vector<HoldOdds>& holds) {
    tblHolds_->setVisible(!holds.empty());
    tblHolds_->setRowCount(static_cast<int>(holds.size()));
    for (int row = 0; row < tblHolds_->rowCount(); ++row) {
        const HoldOdds& hold = holds[static_cast<std::size_t>(row)];
        const QString coins = QString::number(hold.payout.value(), 'f', 3);
        const QStringList cells{Text(HoldName(hold)), coins, Text(Percent(hold.win))};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            QFont font = item->font();
            font.setBold(hold.best);
            item->setFont(font);
            tblHolds_->setItem(row, column, item);
        }
        tblHolds_->item(row, 1)->setToolTip(Text(FractionText(hold.payout) + " coins"));
        tblHolds_->item(row, 2)->setToolTip(Text(FractionText(hold.win)));
    }
    FitHeight(tblHolds_);
}

QPointer<OddsWindow>& TheOddsWindow() {
    static QPointer<OddsWindow> window;
    return window;
}

}  // namespace

void ShowOddsWindow(QWidget* parent, int scale, const OddsReport& odds, bool open) {
    QPointer<OddsWindow>& window = TheOddsWindow();
    QWidget* owner = parent ? parent->window() : nullptr;
    if (!open) {
        if (window && window->isVisible()) window->setOdds(odds);
        return;
    }
    if (window && window->parentWidget() != owner) delete window;
    if (!window) window = new OddsWindow(owner, scale);
    window->setOdds(odds);
    if (!window->isVisible()) window->adjustSize();
    // Beside the machine, so that the reels and the lever stay in view.
    ShowBesideMachine(window, owner);
}

bool OddsWindowShown() {
    const QPointer<OddsWindow>& window = TheOddsWindow();
    return window && window->isVisible();
}

}  // namespace fw
