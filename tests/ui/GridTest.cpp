// The 14 x 14 grid that start-up builds from the template cell.

#include "WidgetTestSupport.h"

namespace tavrelin::testing {

class GridTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShownWindow> shown;

private slots:
    void initTestCase()
    {
        shown = std::make_unique<ShownWindow>();
        QVERIFY(shown->exposed);
    }
    void cleanupTestCase() { shown.reset(); }

    void startUpMakes196WhiteEmptyCells()
    {
        ui::CellGrid* grid = shown->Grid();
        QCOMPARE(grid->parentWidget(), shown->window.get());
        QVERIFY(grid->isVisible());
        for (int n = 0; n < CELL_COUNT; ++n) {
            QCOMPARE(shown->CellColour(n), QColor(255, 255, 255));
            QCOMPARE(shown->CellCaption(n), QString());
        }
    }

    void cellsTileTheGridColumnByColumn()
    {
        ui::CellGrid* grid = shown->Grid();
        const auto cell = [grid](int n) { return grid->CellRect(n).translated(grid->pos()); };
        const QRect first = cell(0);
        QCOMPARE(first, QRect(8, 32, 20, 20));
        QCOMPARE(cell(1), first.translated(0, 20));
        QCOMPARE(cell(13), first.translated(0, 13 * 20));
        QCOMPARE(cell(14), first.translated(20, 0));
        QCOMPARE(cell(27), QRect(28, 292, 20, 20));
        QCOMPARE(cell(182), QRect(268, 32, 20, 20));
        QCOMPARE(cell(195).bottomRight(), QPoint(8 + 14 * 20 - 1, 32 + 14 * 20 - 1));
        for (int n = 0; n < CELL_COUNT; ++n) {
            QCOMPARE(cell(n).size(), first.size());
            if (n < CELL_COUNT - FIELD_SIZE) {
                QCOMPARE(cell(n).x() + cell(n).width(), cell(n + FIELD_SIZE).x());
                QCOMPARE(cell(n).y(), cell(n + FIELD_SIZE).y());
            }
            if (n % FIELD_SIZE < FIELD_SIZE - 1) {
                QCOMPARE(cell(n).y() + cell(n).height(), cell(n + 1).y());
                QCOMPARE(cell(n).x(), cell(n + 1).x());
            }
        }
    }

    void gridTouchesNoOtherControl()
    {
        const QRect grid = shown->Grid()->geometry();
        for (QWidget* child : shown->window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child != shown->Grid()) {
                QVERIFY2(!grid.intersects(child->geometry()), qPrintable(child->objectName()));
            }
        }
    }

    void aScreenReaderFindsEveryCellInItsPlace()
    {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(shown->Grid());
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->childCount(), CELL_COUNT);
        QCOMPARE(table->tableInterface()->rowCount(), 14);
        QCOMPARE(table->tableInterface()->columnCount(), 14);
        // Cell 47 stands in column 3, row 5, counted from 0.
        QAccessibleInterface* cell = table->tableInterface()->cellAt(5, 3);
        QCOMPARE(table->indexOfChild(cell), 47);
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->rect(), QRect(shown->window->mapToGlobal(QPoint(8 + 3 * 20, 32 + 5 * 20)), QSize(20, 20)));
        QCOMPARE(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("колона 4, ред 6, непроверена"));
        QVERIFY(shown->AccessibleCell(46)->text(QAccessible::Name) != cell->text(QAccessible::Name));

        // Its press shoots it as a click does, once, and its name then tells what its colour shows.
        const int attempts = shown->window->game().Attempts;
        cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(shown->window->game().Attempts, attempts + 1);
        const QMap<QRgb, QString> answers{{qRgb(255, 0, 0), QStringLiteral("попадение")},
                                          {qRgb(255, 255, 0), QStringLiteral("близост")},
                                          {qRgb(0, 0, 255), QStringLiteral("няма кораб")}};
        QCOMPARE(cell->text(QAccessible::Name),
                 QStringLiteral("колона 4, ред 6, ") + answers.value(shown->CellColour(47).rgb()));
    }
};

}  // namespace tavrelin::testing

TAVRELIN_WIDGET_TEST_MAIN(tavrelin::testing::GridTest)
#include "GridTest.moc"
