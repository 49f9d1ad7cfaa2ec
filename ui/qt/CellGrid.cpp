#include "CellGrid.h"

#include <utility>

#include <qdrawutil.h>
#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "CellGridAccessible.h"

namespace tavrelin::ui {

CellGrid::CellGrid(Qt::Alignment alignment, QWidget* parent) : QWidget(parent), alignment_(alignment)
{
    QAccessible::installFactory(CellGridAccessible::Factory);
    // Every pixel of the grid belongs to a cell, which paints it whole.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellGrid::SetCells(const std::vector<QRect>& places)
{
    QRect covered;
    for (const QRect& place : places) {
        covered |= place;
    }
    setGeometry(covered);
    places_.clear();
    for (const QRect& place : places) {
        places_.push_back(place.translated(-covered.topLeft()));
    }
    faces_.assign(places_.size(), CellFace{});
    update();
}

void CellGrid::SetFace(int Index, const CellFace& face)
{
    faces_[Index] = face;
    update(places_[Index]);
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        renamed.setChild(Index);
        QAccessible::updateAccessibility(&renamed);
    }
}

void CellGrid::Click(int Index)
{
    emit clicked(Index);
}

int CellGrid::CellAt(QPoint point) const
{
    for (int n = 0; n < CellCount(); ++n) {
        if (places_[n].contains(point)) {
            return n;
        }
    }
    return NO_CELL;
}

void CellGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    constexpr int BORDER = 1;
    // A caption stands half the width of an "x" below the border, as in a bordered label.
    const int captionTop = BORDER + fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    for (int n = 0; n < CellCount(); ++n) {
        const QRect place = places_[n];
        if (!event->region().intersects(place)) {
            continue;
        }
        const CellFace& face = faces_[n];
        painter.save();
        painter.setClipRect(place);
        painter.fillRect(place, QColor(face.BackColor.Red, face.BackColor.Green, face.BackColor.Blue));
        qDrawPlainRect(&painter, place, colours.color(QPalette::WindowText), BORDER);
        if (!face.Caption.empty()) {
            style()->drawItemText(&painter, place.adjusted(BORDER, captionTop, -BORDER, -BORDER),
                                  static_cast<int>(alignment_ | Qt::TextForceLeftToRight), colours, isEnabled(),
                                  QString::fromUtf8(face.Caption.data(), static_cast<qsizetype>(face.Caption.size())),
                                  QPalette::WindowText);
        }
        painter.restore();
    }
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = CellAt(event->position().toPoint());
    clicked_ = NO_CELL;
}

void CellGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The second press on the cell just clicked ends a double-click, which was that one click;
    // on any other cell it is a press of its own.
    const int cell = CellAt(event->position().toPoint());
    pressed_ = cell == clicked_ ? NO_CELL : cell;
    clicked_ = NO_CELL;
}

void CellGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int pressed = std::exchange(pressed_, NO_CELL);
    if (pressed != NO_CELL && CellAt(event->position().toPoint()) == pressed) {
        clicked_ = pressed;
        Click(pressed);
    }
}

}  // namespace tavrelin::ui
