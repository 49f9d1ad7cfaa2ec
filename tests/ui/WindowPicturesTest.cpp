// The whole window, pixel for pixel, over one scripted game: it must look exactly as the pictures
// kept in tests/ui/pictures show it. The pictures were taken on Xvfb with the toolkit version that
// names their folder; with another version the fonts may be drawn differently, and the test skips.
// With TAVRELIN_RECORD_PICTURES set, it writes the pictures instead of comparing them.

#include <algorithm>
#include <cstdlib>

#include <QDir>
#include <QImage>
#include <QPushButton>

#include "../game/GameTestSupport.h"
#include "Application.h"
#include "WidgetTestSupport.h"

namespace tavrelin::testing {

class WindowPicturesTest : public QObject {
    Q_OBJECT

private:
    // The folder of this toolkit version's pictures at this scale.
    static QString PictureFolder()
    {
        const QString version = QString::fromLatin1(qVersion()).section(QLatin1Char('.'), 0, 1);
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
        return QStringLiteral(TAVRELIN_PICTURES_DIR "/qt-%1/scale-%2").arg(version, scale);
    }

    // The window as it looks now, against its picture: every pixel the same.
    void ExpectPicture(const ShownWindow& shown, const QString& name)
    {
        QApplication::processEvents();
        const QImage now = shown.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString file = PictureFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
        if (qEnvironmentVariableIsSet("TAVRELIN_RECORD_PICTURES")) {
            QVERIFY(QDir().mkpath(PictureFolder()));
            QVERIFY(now.save(file));
            return;
        }
        const QImage kept(file);
        QVERIFY2(!kept.isNull(), qPrintable(file));
        QCOMPARE(now.size(), kept.size());
        const PixelDifference difference = DifferentPixels(now, kept);
        if (difference.Count != 0) {
            now.save(QDir::temp().filePath(name + QStringLiteral("-now.png")));
        }
        QVERIFY2(difference.Count == 0, qPrintable(QStringLiteral("%1: %2 pixels differ, the first at %3, %4")
                                                       .arg(name)
                                                       .arg(difference.Count)
                                                       .arg(difference.First.x())
                                                       .arg(difference.First.y())));
    }

private slots:
    void initTestCase()
    {
        if (!qEnvironmentVariableIsSet("TAVRELIN_RECORD_PICTURES") && !QDir(PictureFolder()).exists()) {
            QSKIP("no pictures were taken with this toolkit version at this scale");
        }
        // The caret in the rules box stays on, so that no picture depends on when it was taken.
        QApplication::setCursorFlashTime(0);
    }

    void aScriptedGameLooksAsItsPictures()
    {
        ShownWindow shown;
        QVERIFY(shown.exposed);
        const Game& game = shown.window->game();
        const auto cellCentre = [](int n) { return QPoint(8 + CellCol(n) * 20 + 10, 32 + CellRow(n) * 20 + 10); };

        ExpectPicture(shown, QStringLiteral("1-start"));
        shown.ClickAt(cellCentre(FirstCellWith(game.Board, CELL_EMPTY)));
        ExpectPicture(shown, QStringLiteral("2-water"));
        shown.ClickAt(cellCentre(FirstCellWith(game.Board, CELL_NEAR)));
        ExpectPicture(shown, QStringLiteral("3-near"));
        shown.ClickAt(cellCentre(FirstCellWith(game.Board, CELL_SHIP)));
        ExpectPicture(shown, QStringLiteral("4-hit"));
        shown.ClickAt(QPoint(500, 324));
        ExpectPicture(shown, QStringLiteral("5-switch-on"));
        shown.ClickAt(QPoint(500, 324));
        ExpectPicture(shown, QStringLiteral("6-switch-off"));
        shown.ClickAt(QPoint(408, 284));
        ExpectPicture(shown, QStringLiteral("7-clear"));
    }

    // At 1.5 pixels a design pixel the layout, the cells and the font grow with the display, and the
    // picture keeps its own pixels.
    void theWindowGrowsWithAScaledDisplay()
    {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") != QStringLiteral("1.5")) {
            QSKIP("only at scale 1.5");
        }
        ShownWindow shown;
        QVERIFY(shown.exposed);
        const QImage window = shown.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(window.size(), QSize(762, 692));
        const QRgb lavender = qRgb(192, 192, 255);
        // Cell n's border starts at 12 + 30 * column, 48 + 30 * row, and the cells touch: no lavender
        // between the grid's edges along the middle of any row or column.
        for (int n = 0; n < CELL_COUNT; ++n) {
            const int x = 12 + 30 * CellCol(n);
            const int y = 48 + 30 * CellRow(n);
            QCOMPARE(window.pixel(x, y), qRgb(0, 0, 0));
            QCOMPARE(window.pixel(x + 15, y + 15), qRgb(255, 255, 255));
        }
        for (int i = 0; i < 420; ++i) {
            QVERIFY2(window.pixel(12 + i, 48 + 15) != lavender, qPrintable(QString::number(i)));
            QVERIFY2(window.pixel(12 + 15, 48 + i) != lavender, qPrintable(QString::number(i)));
        }
        QCOMPARE(window.pixel(12 + 420, 48 + 15), lavender);
        QCOMPARE(window.pixel(12 + 15, 48 + 420), lavender);

        // The title's ink is 1.5 times as tall as the font's at scale 1.
        int inkTop = 37;
        int inkBottom = 0;
        for (int y = 0; y < 37; ++y) {
            for (int x = 145; x < 600; ++x) {
                if (qGray(window.pixel(x, y)) < 100) {
                    inkTop = std::min(inkTop, y);
                    inkBottom = std::max(inkBottom, y);
                }
            }
        }
        const int designInk =
            QFontMetrics(ui::MainWindow::DesignFont()).tightBoundingRect(QStringLiteral("Tavrelin")).height();
        QVERIFY2(
            std::abs((inkBottom - inkTop + 1) - designInk * 3 / 2) <= 2,
            qPrintable(QStringLiteral("%1 pixels of ink, %2 at scale 1").arg(inkBottom - inkTop + 1).arg(designInk)));

        // The picture, one of its pixels to one of the display's, from inside the box's border.
        const QImage picture(QStringLiteral(TAVRELIN_ASSETS_DIR "/warships.jpg"));
        QCOMPARE(DifferentPixels(window.copy(447, 51, picture.width(), picture.height()), picture).Count, 0);
    }
};

}  // namespace tavrelin::testing

// The program's own application, as the player starts it.
int main(int argc, char* argv[])
{
    tavrelin::ui::Application application(argc, argv);
    tavrelin::testing::WindowPicturesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WindowPicturesTest.moc"
