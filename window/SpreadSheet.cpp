#include "SpreadSheet.h"

#include "CheckedPrint.h"
#include "Puzzle.h"
#include "UserPrompts.h"

#include <QDir>
#include <QFontInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kMinCellSize = 40;   // pixels; square cells, larger where the cell font is larger
constexpr int kBorderWidth = 2;    // the frame round the board
constexpr int kThinLine = 1;
constexpr int kThickLine = 3;      // between 3x3 squares
const QColor kPersonColour(0, 0, 0);
const QColor kSolverColour(0, 0, 255);
const QColor kFocusFrameColor(230, 80, 0);  // stands out from black, blue and the shading
// The same frame while the grid does not have the keyboard focus, so that the person sees that a
// typed digit would go elsewhere.
const QColor kUnfocusedFrameColor(230, 80, 0, 90);

// The side of a cell: the cell font's digits take the same share of it at every font size.
int CellSize()
{
    return std::max(kMinCellSize, qRound(QFontInfo(CellFont()).pixelSize() / kDigitHeightPerCell));
}

// Where a cell keeps its candidates and its mark besides its text and colours.
constexpr int kCandidatesRole = Qt::UserRole;
constexpr int kMarkRole = Qt::UserRole + 1;
constexpr int kHighlightRole = Qt::UserRole + 2;  // the three masks of a CandidateHighlight, 16 bits each
constexpr int kWrongRole = Qt::UserRole + 3;
constexpr int kOwnMarksRole = Qt::UserRole + 4;
constexpr int kDigitHighlightRole = Qt::UserRole + 5;
constexpr int kClashRole = Qt::UserRole + 6;  // 1: the clashing own digit, 2: a digit it repeats

CellPicture PictureOf(const QModelIndex& index)
{
    CellPicture picture{index.data(Qt::DisplayRole).toString(), index.data(Qt::ForegroundRole).value<QBrush>().color(),
                        index.data(Qt::BackgroundRole).value<QBrush>().color(),
                        static_cast<std::uint16_t>(index.data(kCandidatesRole).toUInt()),
                        static_cast<CellMark>(index.data(kMarkRole).toInt())};
    const qulonglong highlight = index.data(kHighlightRole).toULongLong();
    const auto mask = [highlight](int shift) { return static_cast<std::uint16_t>(highlight >> shift & 0xFFFF); };
    picture.highlight = {mask(0), mask(16), mask(32)};
    picture.wrongFrame = index.data(kWrongRole).toBool();
    picture.ownMarks = static_cast<std::uint16_t>(index.data(kOwnMarksRole).toUInt());
    picture.digitHighlight = index.data(kDigitHighlightRole).toBool();
    const int clash = index.data(kClashRole).toInt();
    picture.clashingDigit = (clash & 1) != 0;
    picture.clashFrame = (clash & 2) != 0;
    return picture;
}

// Draws each cell with the board's own look instead of the item view's selection style.
class CellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        CellPicture picture = PictureOf(index);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        picture.focusFrame = view && view->currentIndex() == index;
        DrawCell(*painter, option.rect, IsDarkPalette(option.palette) ? ForDarkPalette(picture) : picture, option.font);
    }
};

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

}  // namespace

CSpreadSheet::CSpreadSheet(QWidget* parent)
    : QTableWidget(9, 9, parent)
    , m_cellSize(CellSize())
{
    setAccessibleName(tr("Su Doku board"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(m_cellSize);
        header->setDefaultSectionSize(m_cellSize);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kBorderWidth);
    UpdateFrameColour();
    setFont(CellFont());
    setItemDelegate(new CellDelegate(this));
    setFixedSize(9 * m_cellSize + 2 * kBorderWidth, 9 * m_cellSize + 2 * kBorderWidth);

    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setForeground(Qt::black);
            cell->setBackground(IsShadedCell(row, column) ? ShadedSquareColor() : QColor(Qt::white));
            setItem(row, column, cell);
            UpdateAccessibleText(*cell);
        }
    }
    setCurrentCell(0, 0);
}

int CSpreadSheet::NaturalSide()
{
    return 9 * CellSize() + 2 * kBorderWidth;
}

void CSpreadSheet::FitInto(int side)
{
    const int natural = CellSize();
    const int cell = std::max(natural, (side - 2 * kBorderWidth) / 9);
    if (cell == m_cellSize)
        return;
    m_cellSize = cell;
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setDefaultSectionSize(cell);
        for (int section = 0; section < 9; ++section)
            header->resizeSection(section, cell);
    }
    // At its own size the font stays as it is, so that the board looks as it always has.
    QFont font = CellFont();
    if (cell != natural)
        font.setPixelSize(qRound(cell * kDigitHeightPerCell));
    setFont(font);
    setFixedSize(9 * cell + 2 * kBorderWidth, 9 * cell + 2 * kBorderWidth);
}

int CSpreadSheet::GetActiveCol() const
{
    return currentColumn() + 1;
}

int CSpreadSheet::GetActiveRow() const
{
    return currentRow() + 1;
}

int CSpreadSheet::ActiveCell() const
{
    return (GetActiveRow() - 1) * 9 + (GetActiveCol() - 1);
}

void CSpreadSheet::SetCol(int column)
{
    m_nCol = column;
}

void CSpreadSheet::SetRow(int row)
{
    m_nRow = row;
}

QTableWidgetItem* CSpreadSheet::AddressedItem() const
{
    if (m_nRow < 1 || m_nRow > 9 || m_nCol < 1 || m_nCol > 9)
        return nullptr;
    return item(m_nRow - 1, m_nCol - 1);
}

void CSpreadSheet::SetFoundBySolver(bool bySolver)
{
    if (QTableWidgetItem* cell = AddressedItem()) {
        cell->setForeground(bySolver ? kSolverColour : kPersonColour);
        UpdateAccessibleText(*cell);
    }
}

void CSpreadSheet::SetOwnDigit(bool own)
{
    QTableWidgetItem* cell = AddressedItem();
    if (cell && own) {
        cell->setForeground(OwnDigitColour());
        UpdateAccessibleText(*cell);
    }
}

void CSpreadSheet::SetWrongFrame(bool wrong)
{
    if (QTableWidgetItem* cell = AddressedItem())
        cell->setData(kWrongRole, wrong);
}

void CSpreadSheet::SetDigitHighlight(bool highlighted)
{
    if (QTableWidgetItem* cell = AddressedItem())
        cell->setData(kDigitHighlightRole, highlighted);
}

void CSpreadSheet::SetClash(bool clashingDigit, bool repeated)
{
    if (QTableWidgetItem* cell = AddressedItem())
        cell->setData(kClashRole, (clashingDigit ? 1 : 0) | (repeated ? 2 : 0));
}

QString CSpreadSheet::GetText() const
{
    const QTableWidgetItem* cell = AddressedItem();
    return cell ? cell->text() : QString();
}

void CSpreadSheet::SetText(const QString& text)
{
    if (QTableWidgetItem* cell = AddressedItem()) {
        cell->setText(text);
        UpdateAccessibleText(*cell);
    }
}

void CSpreadSheet::UpdateAccessibleText(QTableWidgetItem& cell)
{
    // What a screen reader says of the cell: where it is and what it holds, or the candidates it shows.
    const QString place = tr("Row %1, column %2, ").arg(cell.row() + 1).arg(cell.column() + 1);
    const QColor colour = cell.foreground().color();
    const QString whose = colour == kSolverColour      ? tr(", solved")
                          : colour == OwnDigitColour() ? tr(", yours")
                                                       : tr(", given");
    const auto digitsOf = [&cell](int role) {
        const auto mask = cell.data(role).toUInt();
        QStringList digits;
        for (int digit = 1; digit <= 9; ++digit) {
            if ((mask >> (digit - 1) & 1u) != 0)
                digits << QString::number(digit);
        }
        return digits.join(u' ');
    };
    QStringList small;
    if (const QString own = digitsOf(kOwnMarksRole); !own.isEmpty())
        small << tr("your marks %1").arg(own);
    if (const QString candidates = digitsOf(kCandidatesRole); !candidates.isEmpty())
        small << tr("candidates %1").arg(candidates);
    // Red alone would not tell a screen reader's user of a clash.
    const bool clashes = (cell.data(kClashRole).toInt() & 1) != 0;
    const QString clash = clashes ? tr(", repeats a digit of its row, column or square") : QString();
    const QString content = !cell.text().isEmpty() ? cell.text() + whose + clash
                            : small.isEmpty()      ? tr("empty")
                                                   : small.join(QStringLiteral(", "));
    cell.setData(Qt::AccessibleTextRole, place + content);
}

void CSpreadSheet::SetCandidates(const CandidateLayers& candidates)
{
    if (QTableWidgetItem* cell = AddressedItem()) {
        cell->setData(kCandidatesRole, candidates.computed);
        cell->setData(kOwnMarksRole, candidates.own);
        UpdateAccessibleText(*cell);
    }
}

void CSpreadSheet::SetHighlight(const CandidateHighlight& highlight)
{
    if (QTableWidgetItem* cell = AddressedItem())
        cell->setData(kHighlightRole, qulonglong{highlight.pattern} | qulonglong{highlight.removed} << 16
                                          | qulonglong{highlight.placed} << 32);
}

void CSpreadSheet::SetMark(CellMark mark)
{
    if (QTableWidgetItem* cell = AddressedItem())
        cell->setData(kMarkRole, static_cast<int>(mark));
}

void CSpreadSheet::SetChain(const ChainPicture& chain)
{
    if (chain == m_chain)
        return;
    m_chain = chain;
    viewport()->update();
}

void CSpreadSheet::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    // The focus frame moves the candidates of its cell inwards, and the chain's arrows with them.
    if (!m_chain.arrows.empty() || !m_chain.starts.empty())
        viewport()->update();
}

void CSpreadSheet::SetPrintOptions(bool colors, bool gridLines, bool shading)
{
    m_printOptions = PrintOptions{colors, gridLines, shading};
}

void CSpreadSheet::PrintCells()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window()->windowTitle());
    if (!UserPrompts::Current().ConfirmPrint(window(), printer))
        return;
    QPainter painter;
    CheckedPrint print(printer);
    QString reason;
    if (print.Begin(painter)) {
        const QRectF page(0, 0, printer.width(), printer.height());
        const double side = 0.9 * qMin(page.width(), page.height());
        QRectF board(0, 0, side, side);
        board.moveCenter(page.center());
        DrawBoard(painter, board, Picture(), m_printOptions);
        if (print.Finish(painter, reason))
            return;
    }
    const QString text = reason.isEmpty() ? tr("The board could not be printed.")
                                          : tr("The board could not be printed to %1: %2.")
                                                .arg(QDir::toNativeSeparators(print.FileName()), reason);
    UserPrompts::Current().ShowMessage(window(), window()->windowTitle(), text, QMessageBox::Ok);
}

BoardPicture CSpreadSheet::Picture() const
{
    BoardPicture cells;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            cells[static_cast<size_t>(row * 9 + column)] = PictureOf(model()->index(row, column));
    }
    return cells;
}

void CSpreadSheet::mousePressEvent(QMouseEvent* event)
{
    QTableWidget::mousePressEvent(event);  // moves the focus to the cell
    const QPoint position = event->position().toPoint();
    const QModelIndex cell = indexAt(position);
    if (event->button() == Qt::LeftButton)
        m_pressedCell = cell;
    else if (event->button() == Qt::RightButton && cell.isValid())
        emit RightClick(0, cell.column() + 1, cell.row() + 1, position.x(), position.y());
}

void CSpreadSheet::mouseReleaseEvent(QMouseEvent* event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (cell.isValid() && cell == m_pressedCell)
        emit Click(cell.column() + 1, cell.row() + 1);
    m_pressedCell = QModelIndex();
}

void CSpreadSheet::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    const QModelIndex cell = indexAt(position);
    m_pressedCell = QModelIndex();
    if (!cell.isValid())
        return;
    setCurrentIndex(cell);
    if (event->button() == Qt::LeftButton)
        emit DblClick(cell.column() + 1, cell.row() + 1);
    else if (event->button() == Qt::RightButton)
        emit RightClick(0, cell.column() + 1, cell.row() + 1, position.x(), position.y());  // quick clicks all count
}

void CSpreadSheet::keyPressEvent(QKeyEvent* event)
{
    // Only the focus moves on a key press; everything else is left to the key's release. Enter and
    // Escape stop here, or they would reach the window's default and cancel buttons and close it
    // with the puzzle being typed: Enter moves on to the next cell, as after a typed digit.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const int next = (currentRow() * 9 + currentColumn() + 1) % kCellCount;
        setCurrentCell(next / 9, next % 9);
        break;
    }
    case Qt::Key_Escape: break;
    default:
        if (IsNavigationKey(event->key()))
            QTableWidget::keyPressEvent(event);
        else
            event->ignore();
    }
}

void CSpreadSheet::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    viewport()->update();  // the focus frame brightens
}

void CSpreadSheet::focusOutEvent(QFocusEvent* event)
{
    QTableWidget::focusOutEvent(event);
    viewport()->update();  // the focus frame dims
}

void CSpreadSheet::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9)
        emit DigitTyped(event->key() - Qt::Key_0);
    else if (event->key() == Qt::Key_Space)
        emit DigitTyped(0);
}

void CSpreadSheet::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click in the grid edits a cell; it must not reach the window's own menu.
    event->accept();
}

void CSpreadSheet::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        UpdateFrameColour();
}

void CSpreadSheet::UpdateFrameColour()
{
    // The border is drawn in the text colour; it follows the grid lines, which follow the palette.
    const QColor frame = IsDarkPalette(palette()) ? DarkPaletteLineColor() : QColor(Qt::black);
    if (palette().color(QPalette::WindowText) == frame)
        return;
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::WindowText, frame);
    setPalette(framePalette);
}

void CSpreadSheet::paintEvent(QPaintEvent* event)
{
    QTableWidget::paintEvent(event);
    QPainter painter(viewport());
    const bool dark = IsDarkPalette(palette());
    DrawGridLines(painter, QRectF(0, 0, 9 * m_cellSize, 9 * m_cellSize), kThinLine, kThickLine, false,
                  dark ? DarkPaletteLineColor() : QColor(Qt::black));
    const QModelIndex focusCell = currentIndex();
    DrawChain(painter, QRectF(0, 0, 9 * m_cellSize, 9 * m_cellSize), m_chain, dark,
              focusCell.isValid() ? focusCell.row() * 9 + focusCell.column() : -1);
    if (focusCell.isValid()) {
        const FocusFrame frame = FocusFrameOf(QRectF(visualRect(focusCell)));
        painter.setPen(QPen(hasFocus() ? kFocusFrameColor : kUnfocusedFrameColor, frame.width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.centreLine);
    }
}
