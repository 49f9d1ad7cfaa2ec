#include "CellGrid.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "CellGridAccessible.h"
#include "QtSupport.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

CellGrid::CellGrid(design::WindowBehaviour& behaviour, Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), behaviour_(behaviour), alignment_(alignment)
{
    QAccessible::installFactory(CellGridAccessible::Factory);
    // Every pixel of the grid belongs to a cell, which paints it whole.
    setAttribute(Qt::WA_OpaquePaintEvent);
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

}  // namespace tavrelin::ui
