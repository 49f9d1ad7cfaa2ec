// The floor for the start-up benchmark: a bare toolkit window of the game's size with one label,
// stopped at the label's first paint.

#include <cstdio>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "PaintWatcher.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(508, 461);
    auto* label = new QLabel(QStringLiteral("Tavrelin"), &window);
    tavrelin::bench::PaintWatcher watcher({label});
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
