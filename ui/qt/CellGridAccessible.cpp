#include "CellGridAccessible.h"

#include "Board.h"
#include "CellGrid.h"
#include "ScreenReader.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

namespace {

// One cell of the grid as a screen reader sees it: named by its place and what it shows, at its
// place on the screen, in its row and column, and pressed to shoot it.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
public:
    CellAccessible(CellGridAccessible* table, int index) : table_(table), index_(index) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    // While Tab reaches the grid, each cell can take the focus, and the current one has it while the grid does.
    QAccessible::State state() const override
    {
        const CellGrid* grid = table_->Grid();
        QAccessible::State state;
        state.focusable = (grid->focusPolicy() & Qt::TabFocus) != 0;
        state.focused = grid->hasFocus() && grid->Behaviour().CurrentCell() == index_;
        return state;
    }
    void setText(QAccessible::Text /*text*/, const QString& /*value*/) override {}

    QString text(QAccessible::Text text) const override
    {
        const design::WindowBehaviour& shown = table_->Grid()->Behaviour();
        if (text == QAccessible::Description && shown.CurrentCell() == index_) {
            return QString::fromStdString(shown.Phrase());
        }
        if (text != QAccessible::Name) {
            return {};
        }
        return QString::fromStdString(design::CellName(index_, shown.Face(index_)));
    }

    QRect rect() const override
    {
        const CellGrid* grid = table_->Grid();
        const QRect place = grid->CellRect(index_);
        return {grid->mapToGlobal(place.topLeft()), place.size()};
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        switch (type) {
        case QAccessible::TableCellInterface: return static_cast<QAccessibleTableCellInterface*>(this);
        case QAccessible::ActionInterface: return static_cast<QAccessibleActionInterface*>(this);
        default: return nullptr;
        }
    }

    bool isSelected() const override { return false; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return CellCol(index_); }
    int rowIndex() const override { return CellRow(index_); }
    QAccessibleInterface* table() const override { return table_; }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            table_->Grid()->Behaviour().Label3_Click(index_);
        }
    }

private:
    CellGridAccessible* table_;
    int index_;
};

}  // namespace

CellGridAccessible::CellGridAccessible(CellGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

CellGridAccessible::~CellGridAccessible()
{
    for (const auto& [index, id] : cells_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

CellGrid* CellGridAccessible::Grid() const
{
    return static_cast<CellGrid*>(widget());
}

void* CellGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int CellGridAccessible::childCount() const
{
    return CELL_COUNT;
}

QAccessibleInterface* CellGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    const auto known = cells_.find(index);
    if (known != cells_.end()) {
        return QAccessible::accessibleInterface(known->second);
    }
    auto* cell = new CellAccessible(const_cast<CellGridAccessible*>(this), index);
    cells_.emplace(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int CellGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (const auto& [index, id] : cells_) {
        if (QAccessible::accessibleInterface(id) == child) {
            return index;
        }
    }
    return -1;
}

QAccessibleInterface* CellGridAccessible::childAt(int x, int y) const
{
    return child(Grid()->CellAt(Grid()->mapFromGlobal(QPoint(x, y))).value_or(-1));
}

QAccessibleInterface* CellGridAccessible::focusChild() const
{
    return Grid()->hasFocus() ? child(Grid()->Behaviour().CurrentCell()) : nullptr;
}

QAccessibleInterface* CellGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return child(CellIndex(row, column));
}

QString CellGridAccessible::columnDescription(int column) const
{
    return QString::number(column + 1);
}

QString CellGridAccessible::rowDescription(int row) const
{
    return QString::number(row + 1);
}

int CellGridAccessible::columnCount() const
{
    return FIELD_SIZE;
}

int CellGridAccessible::rowCount() const
{
    return FIELD_SIZE;
}

}  // namespace tavrelin::ui
