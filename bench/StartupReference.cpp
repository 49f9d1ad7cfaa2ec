// The floor for the start-up benchmark: a bare toolkit window of the game's size with one label,
// stopped at the label's first paint.

#include <QApplication>
#include <QLabel>

#include "PaintWatcher.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(508, 461);
    auto* label = new QLabel(QStringLiteral("Tavrelin"), &window);
    return tavrelin::bench::ShowUntilPainted(window, {label});
}
