#pragma once

#include <map>

#include <QAccessibleWidget>

namespace tavrelin::ui {

class CellGrid;

// The grid as a screen reader sees it: a table of 14 x 14 cells, each an object of its own.
class CellGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CellGridAccessible(CellGrid* grid);
    ~CellGridAccessible() override;
    CellGridAccessible(const CellGridAccessible&) = delete;
    CellGridAccessible& operator=(const CellGridAccessible&) = delete;

    CellGrid* Grid() const;

    // The grid and its cells as children.
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // The current cell, while the grid has the focus.
    QAccessibleInterface* focusChild() const override;

    // The table: rows and columns of cells, nothing selectable.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

private:
    // The cells' objects, made when first asked for and registered with the toolkit, by cell index.
    mutable std::map<int, QAccessible::Id> cells_;
};

}  // namespace tavrelin::ui
