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

    void startUpMakes196WhiteEmptyCentredCells()
    {
        for (int n = 0; n < CELL_COUNT; ++n) {
            QLabel* cell = shown->Cell(n);
            QVERIFY2(cell != nullptr, qPrintable(QString::number(n)));
            QVERIFY(cell->isVisible());
            QCOMPARE(cell->palette().color(QPalette::Window), QColor(255, 255, 255));
            QCOMPARE(cell->text(), QString());
            QCOMPARE(cell->alignment(), Qt::AlignTop | Qt::AlignHCenter);
            QCOMPARE(cell->frameShape(), QFrame::Box);
            QCOMPARE(cell->parentWidget(), shown->window.get());
        }
        QVERIFY(shown->Cell(CELL_COUNT) == nullptr);
        QCOMPARE(shown->window->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label3_"))).size(),
                 CELL_COUNT);
    }

    void cellsTileTheGridColumnByColumn()
    {
        const QRect first = shown->Cell(0)->geometry();
        QCOMPARE(first, QRect(8, 32, 20, 20));
        QCOMPARE(shown->Cell(1)->geometry(), first.translated(0, 20));
        QCOMPARE(shown->Cell(13)->geometry(), first.translated(0, 13 * 20));
        QCOMPARE(shown->Cell(14)->geometry(), first.translated(20, 0));
        QCOMPARE(shown->Cell(27)->geometry(), QRect(28, 292, 20, 20));
        QCOMPARE(shown->Cell(182)->geometry(), QRect(268, 32, 20, 20));
        const QRect last = shown->Cell(195)->geometry();
        QCOMPARE(last.x() + last.width(), 8 + 14 * 20);
        QCOMPARE(last.y() + last.height(), 32 + 14 * 20);
        for (int n = 0; n < CELL_COUNT; ++n) {
            const QRect cell = shown->Cell(n)->geometry();
            QCOMPARE(cell.size(), first.size());
            if (n < CELL_COUNT - FIELD_SIZE) {
                QCOMPARE(cell.x() + cell.width(), shown->Cell(n + FIELD_SIZE)->x());
                QCOMPARE(cell.y(), shown->Cell(n + FIELD_SIZE)->y());
            }
            if (n % FIELD_SIZE < FIELD_SIZE - 1) {
                QCOMPARE(cell.y() + cell.height(), shown->Cell(n + 1)->y());
                QCOMPARE(cell.x(), shown->Cell(n + 1)->x());
            }
        }
    }

    void gridTouchesNoOtherControl()
    {
        const QRect grid(8, 32, 280, 280);
        for (QWidget* child : shown->window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->objectName().startsWith(QStringLiteral("Label3_"))) {
                QVERIFY2(!grid.intersects(child->geometry()), qPrintable(child->objectName()));
            }
        }
    }

    void startUpSeedsOnceAndDealsAGame()
    {
        QCOMPARE(shown->random.seedings, 1);
        int shipCells = 0;
        for (const auto& row : shown->window->game().Board) {
            for (const CellCode code : row) {
                shipCells += code == CELL_SHIP ? 1 : 0;
            }
        }
        QCOMPARE(shipCells, FLEET_CELLS);
    }
};

}  // namespace tavrelin::testing

TAVRELIN_WIDGET_TEST_MAIN(tavrelin::testing::GridTest)
#include "GridTest.moc"
