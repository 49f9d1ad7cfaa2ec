// Playing in the shown window: shots, the hidden switch and the button "Чисти", clicked as a
// player would, with the answers read back from the widgets.

#include <QLineEdit>
#include <QPushButton>

#include "../game/GameTestSupport.h"
#include "WidgetTestSupport.h"

namespace tavrelin::testing {

class PlayTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShownWindow> shown;

    const Game& game() const { return shown->window->game(); }
    QString Counter(int i) const { return shown->Control<QLineEdit>(QStringLiteral("Text2_%1").arg(i))->text(); }
    CellCode CodeAt(int index) const { return game().Board[CellRow(index)][CellCol(index)]; }

    void ExpectCellShows(int index, const QColor& colour, const QString& caption) const
    {
        QCOMPARE(shown->CellColour(index), colour);
        QCOMPARE(shown->CellCaption(index), caption);
    }

    int RedCells() const
    {
        int red = 0;
        for (int n = 0; n < CELL_COUNT; ++n) {
            red += shown->CellColour(n) == QColor(255, 0, 0) ? 1 : 0;
        }
        return red;
    }

private slots:
    void init()
    {
        shown = std::make_unique<ShownWindow>();
        QVERIFY(shown->exposed);
    }
    void cleanup() { shown.reset(); }

    void aClickOnACellAnswersTheShot()
    {
        const int ship = FirstCellWith(game().Board, CELL_SHIP);
        const int near = FirstCellWith(game().Board, CELL_NEAR);
        const int open = FirstCellWith(game().Board, CELL_EMPTY);
        shown->ClickCell(ship);
        ExpectCellShows(ship, QColor(255, 0, 0), QStringLiteral("X"));
        QCOMPARE(Counter(0), QStringLiteral("24"));
        QCOMPARE(Counter(1), QStringLiteral("1"));
        shown->ClickCell(near);
        ExpectCellShows(near, QColor(255, 255, 0), QStringLiteral("!"));
        shown->ClickCell(open);
        ExpectCellShows(open, QColor(0, 0, 255), QStringLiteral(" "));
        QCOMPARE(Counter(1), QStringLiteral("3"));
        // A second click on a shot cell is no shot.
        shown->ClickCell(open);
        QCOMPARE(Counter(1), QStringLiteral("3"));
        // Only the left button shoots.
        const int other = open + 1;
        shown->ClickCell(other, Qt::RightButton);
        QCOMPARE(Counter(1), QStringLiteral("3"));
    }

    void everyCellAnswersWithItsOwnIndex()
    {
        for (int n = 0; n < CELL_COUNT; ++n) {
            shown->ClickCell(n);
            const CellFace& face = game().Label3[n];
            QVERIFY2(face.BackColor != WHITE, qPrintable(QString::number(n)));
            const QColor colour(face.BackColor.Red, face.BackColor.Green, face.BackColor.Blue);
            ExpectCellShows(n, colour,
                            QString::fromUtf8(face.Caption.data(), static_cast<qsizetype>(face.Caption.size())));
        }
        QCOMPARE(Counter(0), QStringLiteral("0"));
        QCOMPARE(Counter(1), QStringLiteral("196"));
    }

    void theHiddenSwitchShowsTheFleetFromItsVisiblePart()
    {
        // The pixel column under the rules box does not reach the switch.
        shown->ClickAt(QPoint(496, 324));
        QCOMPARE(RedCells(), 0);
        shown->ClickAt(QPoint(500, 324));
        QCOMPARE(RedCells(), FLEET_CELLS);
        for (int n = 0; n < CELL_COUNT; ++n) {
            if (CodeAt(n) == CELL_SHIP) {
                ExpectCellShows(n, QColor(255, 0, 0), QStringLiteral("X"));
            }
        }
        QCOMPARE(Counter(0), QStringLiteral("0"));
        QCOMPARE(Counter(1), QStringLiteral("25"));
        // Switched off, the fleet stays painted and the counters stay as they are.
        shown->ClickAt(QPoint(504, 328));
        QCOMPARE(RedCells(), FLEET_CELLS);
        QCOMPARE(Counter(1), QStringLiteral("25"));
    }

    void theClearButtonDealsAFreshGame()
    {
        for (int n = 0; n < CELL_COUNT; n += 2) {
            shown->ClickCell(n);
        }
        shown->ClickAt(QPoint(500, 324));
        const BoardArray oldFleet = game().Board;
        QTest::mouseClick(shown->Control<QPushButton>(QStringLiteral("Command1_1")), Qt::LeftButton);
        for (int n = 0; n < CELL_COUNT; ++n) {
            ExpectCellShows(n, QColor(255, 255, 255), QString());
        }
        QCOMPARE(Counter(0), QStringLiteral("25"));
        QCOMPARE(Counter(1), QStringLiteral("0"));
        QVERIFY(game().Board != oldFleet);
        QCOMPARE(shown->random.seedings, 1);
    }

    void theClearButtonAnswersTheKeyboardToo_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }

    void theClearButtonAnswersTheKeyboardToo()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        shown->ClickCell(0);
        QCOMPARE(Counter(1), QStringLiteral("1"));
        auto* button = shown->Control<QPushButton>(QStringLiteral("Command1_1"));
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Counter(1), QStringLiteral("0"));
        ExpectCellShows(0, QColor(255, 255, 255), QString());
    }

    void enterInTheRulesBoxLeavesTheGameAlone()
    {
        shown->ClickCell(0);
        auto* rules = shown->Control(QStringLiteral("Text1_0"));
        rules->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTest::keyClick(rules, key);
        }
        QCOMPARE(Counter(1), QStringLiteral("1"));
        QVERIFY(shown->CellColour(0) != QColor(255, 255, 255));
    }

    void aDoubleClickIsOneClick()
    {
        // On the switch: turned on once, so the fleet shows and the next click turns it off,
        // adding no attempts.
        shown->DoubleClickAt(QPoint(500, 324));
        QCOMPARE(RedCells(), FLEET_CELLS);
        QVERIFY(game().ShowShips);
        QCOMPARE(Counter(1), QStringLiteral("25"));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        shown->ClickAt(QPoint(500, 324));
        QVERIFY(!game().ShowShips);
        QCOMPARE(Counter(1), QStringLiteral("25"));

        // On a white cell: one shot.
        const int open = FirstCellWith(game().Board, CELL_EMPTY);
        shown->DoubleClickAt(shown->Grid()->geometry().topLeft() + shown->Grid()->CellRect(open).center());
        QCOMPARE(Counter(1), QStringLiteral("26"));
        // A click after the double-click is a click again.
        const int near = FirstCellWith(game().Board, CELL_NEAR);
        shown->ClickCell(near);
        QCOMPARE(Counter(1), QStringLiteral("27"));
    }
};

}  // namespace tavrelin::testing

TAVRELIN_WIDGET_TEST_MAIN(tavrelin::testing::PlayTest)
#include "PlayTest.moc"
