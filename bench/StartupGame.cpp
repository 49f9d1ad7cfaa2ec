// Starts the game's real window and stops at its first complete paint, all 196 cells drawn.
// Prints the process's peak memory; the caller times the whole process.

#include <cstdio>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "MainWindow.h"
#include "PaintWatcher.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    std::vector<QWidget*> cells;
    for (int n = 0; n < tavrelin::CELL_COUNT; ++n) {
        cells.push_back(window.findChild<QLabel*>(QStringLiteral("Label3_%1").arg(n)));
    }
    tavrelin::bench::PaintWatcher watcher(cells);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (watcher.AllPainted()) {
            QApplication::quit();
        }
    });
    poll.start(0);
    window.show();
    const int status = QApplication::exec();
    std::printf("peak_kib=%ld\n", tavrelin::bench::PeakMemoryKiB());
    return status;
}
