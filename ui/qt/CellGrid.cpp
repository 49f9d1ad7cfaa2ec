#include "CellGrid.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "CellGridAccessible.h"
#include "QtSupport.h"
#include "ScreenReader.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

namespace {

// The grid's key for a key of the keyboard, if it is one.
std::optional<design::GridKey> ToGridKey(int key)
{
    switch (key) {
    case Qt::Key_Left: return design::GridKey::Left;
    case Qt::Key_Right: return design::GridKey::Right;
    case Qt::Key_Up: return design::GridKey::Up;
    case Qt::Key_Down: return design::GridKey::Down;
    case Qt::Key_Home: return design::GridKey::Home;
    case Qt::Key_End: return design::GridKey::End;
    case Qt::Key_PageUp: return design::GridKey::PageUp;
    case Qt::Key_PageDown: return design::GridKey::PageDown;
    case Qt::Key_Space: return design::GridKey::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return design::GridKey::Enter;
    default: return std::nullopt;
    }
}

}  // namespace

CellGrid::CellGrid(design::WindowBehaviour& behaviour, Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), behaviour_(behaviour), alignment_(alignment)
{
    QAccessible::installFactory(CellGridAccessible::Factory);
    // Every pixel of the grid belongs to a cell, which paints it whole.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::fromUtf8(design::GRID_NAME));
    // Only Tab gives the grid the focus, and only while a screen reader runs.
    setFocusPolicy(Qt::NoFocus);
}

void CellGrid::LayOut()
{
    setGeometry(PixelsToQRect(design::GridPlace(design::DESIGN_DPI)));
    update();
}

void CellGrid::ShowCell(int Index)
{
    update(CellRect(Index));
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        renamed.setChild(Index);
        QAccessible::updateAccessibility(&renamed);
    }
}

void CellGrid::Click(int Index)
{
    behaviour_.Label3_Click(Index);
}

void CellGrid::ShowCurrentCell(int previous, int current)
{
    update(CellRect(previous));
    update(CellRect(current));
    if (hasFocus()) {
        FocusCurrentCell();
    }
}

void CellGrid::LetTakeFocus(bool takes)
{
    setFocusPolicy(takes ? Qt::TabFocus : Qt::NoFocus);
    if (!takes && hasFocus()) {
        clearFocus();
    }
}

void CellGrid::FocusCurrentCell()
{
    if (QAccessible::isActive()) {
        QAccessibleEvent focused(this, QAccessible::Focus);
        focused.setChild(CurrentCell());
        QAccessible::updateAccessibility(&focused);
    }
}

int CellGrid::CellCount() const
{
    return CELL_COUNT;
}

const CellFace& CellGrid::Face(int Index) const
{
    return behaviour_.Face(Index);
}

QRect CellGrid::CellRect(int Index) const
{
    return PixelsToQRect(design::CellPlace(Index, design::DESIGN_DPI));
}

std::optional<int> CellGrid::CellAt(QPoint point) const
{
    return design::CellAt(point.x(), point.y(), design::DESIGN_DPI);
}

int CellGrid::CurrentCell() const
{
    return behaviour_.CurrentCell();
}

const std::string& CellGrid::Phrase() const
{
    return behaviour_.Phrase();
}

void CellGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    constexpr int BORDER = 1;
    // A caption stands half the width of an "x" below the border, as in a bordered label.
    const int captionTop = BORDER + fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    for (int n = 0; n < CellCount(); ++n) {
        const QRect place = CellRect(n);
        if (!event->region().intersects(place)) {
            continue;
        }
        const CellFace& face = Face(n);
        painter.save();
        painter.setClipRect(place);
        painter.fillRect(place, ToQColor(face.BackColor));
        qDrawPlainRect(&painter, place, colours.color(QPalette::WindowText), BORDER);
        if (!face.Caption.empty()) {
            style()->drawItemText(&painter, place.adjusted(BORDER, captionTop, -BORDER, -BORDER),
                                  static_cast<int>(alignment_ | Qt::TextForceLeftToRight), colours, isEnabled(),
                                  QString::fromUtf8(face.Caption.data(), static_cast<qsizetype>(face.Caption.size())),
                                  QPalette::WindowText);
        }
        if (n == CurrentCell() && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            // Inside the border, clear of the cell's edge, where its colour shows.
            constexpr int MARK_INSET = 4;
            focus.rect = place.adjusted(MARK_INSET, MARK_INSET, -MARK_INSET, -MARK_INSET);
            focus.backgroundColor = ToQColor(face.BackColor);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
        painter.restore();
    }
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    const std::optional<int> cell = CellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !cell.has_value()) {
        event->ignore();
        return;
    }
    behaviour_.Press(design::Label::Cell(*cell));
}

void CellGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const std::optional<int> cell = CellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !cell.has_value()) {
        event->ignore();
        return;
    }
    behaviour_.DoublePress(design::Label::Cell(*cell));
}

void CellGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::optional<int> cell = CellAt(event->position().toPoint());
    behaviour_.Release(cell.has_value() ? std::optional(design::Label::Cell(*cell)) : std::nullopt);
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    const std::optional<design::GridKey> pressed = ToGridKey(event->key());
    const Qt::KeyboardModifiers held = event->modifiers();
    const std::optional<design::GridKey> key =
        pressed.has_value()
            ? design::WithModifiers(*pressed, {.Shift = held.testFlag(Qt::ShiftModifier),
                                               .Ctrl = held.testFlag(Qt::ControlModifier),
                                               .Alt = held.testAnyFlags(Qt::AltModifier | Qt::MetaModifier)})
            : std::nullopt;
    if (!key.has_value()) {
        QWidget::keyPressEvent(event);
        return;
    }
    behaviour_.KeyOnGrid(*key);
}

void CellGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(CellRect(CurrentCell()));
    // After the toolkit has told a screen reader that the grid has the focus.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            FocusCurrentCell();
        }
    });
}

void CellGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(CellRect(CurrentCell()));
}

}  // namespace tavrelin::ui
