// The whole window, pixel for pixel, over one scripted game: it must look exactly as the pictures
// kept in tests/ui/pictures show it. The pictures were taken on Xvfb with the toolkit version that
// names their folder; with another version the fonts may be drawn differently, and the test skips.
// With TAVRELIN_RECORD_PICTURES set, it writes the pictures instead of comparing them.

#include <QDir>
#include <QImage>
#include <QPushButton>

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
        const QImage kept = QImage(file).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!kept.isNull(), qPrintable(file));
        QCOMPARE(now.size(), kept.size());
        int differing = 0;
        QPoint first;
        for (int y = 0; y < kept.height(); ++y) {
            for (int x = 0; x < kept.width(); ++x) {
                if (now.pixel(x, y) != kept.pixel(x, y)) {
                    first = differing++ == 0 ? QPoint(x, y) : first;
                }
            }
        }
        if (differing != 0) {
            now.save(QDir::temp().filePath(name + QStringLiteral("-now.png")));
        }
        QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1: %2 pixels differ, the first at %3, %4")
                                                .arg(name)
                                                .arg(differing)
                                                .arg(first.x())
                                                .arg(first.y())));
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
        const auto firstCellWith = [&game](CellCode code) {
            for (int n = 0; n < CELL_COUNT; ++n) {
                if (game.Board[CellRow(n)][CellCol(n)] == code) {
                    return n;
                }
            }
            return -1;
        };
        const auto cellCentre = [](int n) { return QPoint(8 + CellCol(n) * 20 + 10, 32 + CellRow(n) * 20 + 10); };

        ExpectPicture(shown, QStringLiteral("1-start"));
        shown.ClickAt(cellCentre(firstCellWith(CELL_EMPTY)));
        ExpectPicture(shown, QStringLiteral("2-water"));
        shown.ClickAt(cellCentre(firstCellWith(CELL_NEAR)));
        ExpectPicture(shown, QStringLiteral("3-near"));
        shown.ClickAt(cellCentre(firstCellWith(CELL_SHIP)));
        ExpectPicture(shown, QStringLiteral("4-hit"));
        shown.ClickAt(QPoint(500, 324));
        ExpectPicture(shown, QStringLiteral("5-switch-on"));
        shown.ClickAt(QPoint(500, 324));
        ExpectPicture(shown, QStringLiteral("6-switch-off"));
        shown.ClickAt(QPoint(408, 284));
        ExpectPicture(shown, QStringLiteral("7-clear"));
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
