#include "frontend/qt/odds_window.h"

#include <QCoreApplication>
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
#include <QScreen>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "edition/odds_rows.h"
#include "frontend/qt/dialogs/look.h"
#include "frontend/qt/dialogs/placement.h"

namespace fw {
namespace {

constexpr int kBarRole = Qt::UserRole;  // the chance a cell's bar shows, 0..1
// A dark gold, under which the cabinet's cream figures stay readable.
const QColor kBarColour(0x6A, 0x4C, 0x20);

QString Text(const std::string& text) {
    return QString::fromStdString(text);
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
    const int header = table->horizontalHeader()->isHidden() ? 0 : table->horizontalHeader()->height();
    table->setFixedHeight(header + table->verticalHeader()->length() + 2 * table->frameWidth());
}

// One section of the rows: its title around a table and a note.
struct SectionView {
    QGroupBox* box = nullptr;
    QTableWidget* table = nullptr;
    QLabel* note = nullptr;
};

// The sections in two columns: the prizes, the next game and its holds on the
// left; the long run and the pay lines on the right.
const char* const kLeft[] = {"Prizes", "NextGame", "Holds"};
const char* const kRight[] = {"LongRun", "PayLines"};

// Scrolls what does not fit on the screen; otherwise as large as what it holds.
class FittingScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        // The notes wrap: at the width it asks for, the content may need more height than its hint.
        QSize whole = widget()->sizeHint();
        if (widget()->hasHeightForWidth())
            whole.setHeight(std::max(whole.height(), widget()->heightForWidth(whole.width())));
        whole += QSize(2 * frameWidth(), 2 * frameWidth());
        const QScreen* screen = window()->screen();
        if (!screen) return whole;
        return whole.boundedTo(screen->availableGeometry().size() * 17 / 20);
    }
};
// The pay lines' last column wraps at this width, in characters.
constexpr int kPayLinesWidth = 44;

class OddsWindow : public QDialog {
public:
    OddsWindow(QWidget* parent, int scale);
    void setOdds(const OddsReport& odds);

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) nameParts();
        QDialog::changeEvent(event);
    }

private:
    // The title and the button in the player's language (the figures come with the next odds).
    void nameParts() {
        setWindowTitle(QCoreApplication::translate("odds", "Fruitwhirl Odds and Payouts"));
        cmdClose_->setText(QCoreApplication::translate("odds", "&Close"));
    }
    QPushButton* cmdClose_ = nullptr;
    SectionView& addSection(QVBoxLayout* column, const QString& key);
    void setSection(SectionView& view, const OddsSection& section, const OddsReport& odds);
    QHBoxLayout* buttons();

    int pictureScale_;
    QScrollArea* scroll_;
    std::map<QString, SectionView> sections_;
};

OddsWindow::OddsWindow(QWidget* parent, int scale)
    : QDialog(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      pictureScale_(std::clamp(scale, 2, 3)) {
    setObjectName(QStringLiteral("frmOdds"));
    setModal(false);

    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    for (const char* key : kLeft) addSection(left, key);
    for (const char* key : kRight) addSection(right, key);
    left->addStretch(1);
    right->addStretch(1);
    auto* sections = new QWidget;
    auto* columns = new QHBoxLayout(sections);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(left);
    columns->addLayout(right);
    scroll_ = new FittingScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(sections);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_);
    layout->addLayout(buttons());
    nameParts();
    ApplyCabinetLook(this);
}

SectionView& OddsWindow::addSection(QVBoxLayout* column, const QString& key) {
    SectionView& view = sections_[key];
    view.box = new QGroupBox(this);
    view.box->setObjectName("grp" + key);
    view.table = new QTableWidget(view.box);
    view.table->setObjectName("tbl" + key);
    view.table->setItemDelegate(new BarDelegate(view.table));
    if (key == "Prizes" || key == "PayLines") view.table->setIconSize(QSize(33, 7) * pictureScale_);
    ShowWhole(view.table);
    view.note = new QLabel(view.box);
    view.note->setObjectName("lbl" + key);
    view.note->setWordWrap(true);
    auto* inside = new QVBoxLayout(view.box);
    inside->addWidget(view.table);
    inside->addWidget(view.note);
    column->addWidget(view.box);
    return view;
}

QHBoxLayout* OddsWindow::buttons() {
    auto* cmdClose = cmdClose_ = new QPushButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    return buttons;
}

void OddsWindow::setOdds(const OddsReport& odds) {
    for (auto& [key, view] : sections_) view.box->hide();
    for (const OddsSection& section : OddsRows(odds, OddsScope::WhereItStands)) {
        const auto view = sections_.find(Text(section.key));
        if (view == sections_.end()) continue;
        setSection(view->second, section, odds);
        view->second.box->show();
    }
    // The sizes of the sections as they are now, not as the layouts last heard of them.
    for (auto& [key, view] : sections_) view.box->layout()->activate();
    scroll_->widget()->layout()->activate();
    scroll_->widget()->adjustSize();
    scroll_->updateGeometry();
    layout()->activate();
}

// A section's rows: the best hold in bold, a chance with its bar and its exact
// fraction on hovering, a prize with its pay-table picture.
void OddsWindow::setSection(SectionView& view, const OddsSection& section, const OddsReport& odds) {
    QTableWidget* table = view.table;
    view.box->setTitle(Text(section.title));
    const bool figures = section.header.empty();
    int columns = static_cast<int>(section.header.size());
    for (const OddsRow& row : section.rows) columns = std::max(columns, static_cast<int>(row.cells.size()));
    table->setColumnCount(columns);
    table->setRowCount(static_cast<int>(section.rows.size()));
    table->horizontalHeader()->setVisible(!figures);
    if (!figures) {
        QStringList header;
        for (const std::string& heading : section.header) header << Text(heading);
        table->setHorizontalHeaderLabels(header);
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        const OddsRow& row = section.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            if (c < static_cast<int>(row.cells.size())) {
                const OddsCell& cell = row.cells[static_cast<std::size_t>(c)];
                item->setText(Text(cell.text));
                if (!cell.exact.empty()) item->setToolTip(Text(cell.exact));
                if (cell.chance >= 0) item->setData(kBarRole, cell.chance);
            }
            if (c == 0 && row.prize >= 0 && !odds.pictures[static_cast<std::size_t>(row.prize)].empty())
                item->setIcon(PrizeIcon(odds.pictures[static_cast<std::size_t>(row.prize)], pictureScale_));
            QFont font = item->font();
            font.setBold(row.best);
            item->setFont(font);
            table->setItem(r, c, item);
        }
    }
    if (section.key == "PayLines") {
        // The pay lines wrap in a column of their own width, each row as high as its lines.
        table->setWordWrap(true);
        table->horizontalHeader()->setSectionResizeMode(columns - 1, QHeaderView::Fixed);
        table->horizontalHeader()->setStretchLastSection(false);
        table->setColumnWidth(columns - 1, table->fontMetrics().averageCharWidth() * kPayLinesWidth);
        table->resizeColumnToContents(0);
        table->resizeColumnToContents(1);
        table->resizeRowsToContents();
        for (int r = 0; r < table->rowCount(); ++r) table->setRowHeight(r, table->rowHeight(r) + 6);
        int width = 2 * table->frameWidth();
        for (int c = 0; c < columns; ++c) width += table->columnWidth(c);
        table->setFixedWidth(width);
    } else {
        table->setMinimumWidth(NeededWidth(table));
    }
    FitHeight(table);
    view.note->setText(Text(section.note));
    view.note->setVisible(!section.note.empty());
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
        if (window && window->isVisible()) {
            window->setOdds(odds);
            if (window->isWindow())
                window->adjustSize();  // rows come and go with the Mania period and the holds
        }
        return;
    }
    if (window && window->parentWidget() != owner) delete window;
    if (!window) window = new OddsWindow(owner, scale);
    window->setOdds(odds);
    // As large as the rows (adjustSize would stop at two thirds of the screen).
    if (!window->isVisible()) window->resize(window->sizeHint());
    // Beside the machine, so that the reels and the lever stay in view.
    ShowBesideMachine(window, owner);
}

bool OddsWindowShown() {
    const QPointer<OddsWindow>& window = TheOddsWindow();
    return window && window->isVisible();
}

}  // namespace fw
