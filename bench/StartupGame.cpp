// Starts the game's real window and stops at its first complete paint, all 196 cells drawn.

#include <QApplication>
#include <QLabel>

#include "MainWindow.h"
#include "PaintWatcher.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    std::vector<QWidget*> cells;
    cells.reserve(tavrelin::CELL_COUNT);
    for (int n = 0; n < tavrelin::CELL_COUNT; ++n) {
        cells.push_back(window.findChild<QLabel*>(QStringLiteral("Label3_%1").arg(n)));
    }
    return tavrelin::bench::ShowUntilPainted(window, cells);
}
