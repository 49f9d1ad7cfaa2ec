// Starts the game's window, plays a little, and closes it: the run that memcheck watches.

#include <QPushButton>

#include "WidgetTestSupport.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    tavrelin::testing::ShownWindow shown;
    if (!shown.exposed) {
        return 1;
    }
    for (int n = 0; n < tavrelin::CELL_COUNT; n += 7) {
        shown.ClickCell(n);
    }
    shown.ClickAt(QPoint(500, 324));
    QTest::mouseClick(shown.Control<QPushButton>(QStringLiteral("Command1_1")), Qt::LeftButton);
    shown.window->close();
    QApplication::processEvents();
    return 0;
}
