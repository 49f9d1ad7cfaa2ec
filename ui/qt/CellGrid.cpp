#include "CellGrid.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "CellGridAccessible.h"
#include "LabelPointer.h"
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
    QAccessible::installFactory(AccessibleFactory<CellGrid, CellGridAccessible>);
    // Every pixel of the grid belongs to a cell, which paints it whole.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::fromUtf8(design::GRID_NAME));
    // Only Tab gives the grid the focus, and only while a screen reader runs.
    setFocusPolicy(Qt::NoFocus);
    new LabelPointer(behaviour, this, [this](QPoint point) { return design::Label::Cell(CellAt(point)); });
}

void CellGrid::LayOut()
{
    setGeometry(PixelsToQRect(design::GridPlace(design::DESIGN_DPI)));
    for (int n = 0; n < CELL_COUNT; ++n) {
        places_[n] = PixelsToQRect(design::CellPlace(n, design::DESIGN_DPI));
    }
    update();
}

void CellGrid::ShowCell(int Index)
{
    const std::string_view caption = behaviour_.Face(Index).Caption;
    captions_[Index] = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    update(CellRect(Index));
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        renamed.setChild(Index);
        QAccessible::updateAccessibility(&renamed);
    }
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
        focused.setChild(behaviour_.CurrentCell());
        QAccessible::updateAccessibility(&focused);
    }
}

std::optional<int> CellGrid::CellAt(QPoint point) const
{
    return design::CellAt(point.x(), point.y(), design::DESIGN_DPI);
}

void CellGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    const QColor border = colours.color(ToQColorRole(design::CELL_BORDER_COLOUR));
    constexpr int BORDER = design::CELL_BORDER;
    // A caption stands half the width of an "x" below the border, as in a bordered label.
    const int captionTop = BORDER + fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    const int marked = hasFocus() ? behaviour_.CurrentCell() : -1;
    for (int n = 0; n < CELL_COUNT; ++n) {
        const QRect& place = places_[n];
        if (!event->region().intersects(place)) {
            continue;
        }
        const QColor background = ToQColor(behaviour_.Face(n).BackColor);
        painter.save();
        painter.setClipRect(place);
        painter.fillRect(place, background);
        qDrawPlainRect(&painter, place, border, BORDER);
        if (!captions_[n].isEmpty()) {
            style()->drawItemText(&painter, place.adjusted(BORDER, captionTop, -BORDER, -BORDER),
                                  static_cast<int>(alignment_ | Qt::TextForceLeftToRight), colours, isEnabled(),
                                  captions_[n], QPalette::WindowText);
        }
        if (n == marked) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            constexpr int INSET = design::FOCUS_MARK_INSET;
            focus.rect = place.adjusted(INSET, INSET, -INSET, -INSET);
            focus.backgroundColor = background;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
        painter.restore();
    }
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
    update(CellRect(behaviour_.CurrentCell()));
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
    update(CellRect(behaviour_.CurrentCell()));
}

}  // namespace tavrelin::ui
