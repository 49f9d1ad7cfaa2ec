// Saves a picture of the game's window as a PNG, for the README: tavrelin_screenshot FILE.png [SHOTS]
// With SHOTS, that many cells are shot first, picked by a fixed sequence so the picture stays the same.

#include <cstdio>
#include <random>

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include "CellGrid.h"
#include "MainWindow.h"
#include "RandomSource.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.png [SHOTS]\n", argv[0]);
        return 2;
    }
    // A fixed seed, so every run pictures the same fleet; the window's start-up seeds it once more
    // from the clock, which this stand-in ignores.
    class FixedRandom final : public tavrelin::RandomSource {
    public:
        void SeedFromClock() override {}
        double Next() override { return generator_.Next(); }

    private:
        tavrelin::StandardRandom generator_{2026};
    } random;
    tavrelin::ui::MainWindow window(random);
    window.show();
    const int shots = argc > 2 ? std::atoi(argv[2]) : 0;
    std::mt19937 picks(7);
    auto* grid = window.findChild<tavrelin::ui::CellGrid*>(QStringLiteral("Label3"));
    for (int i = 0; i < shots; ++i) {
        const int index = static_cast<int>(picks() % tavrelin::CELL_COUNT);
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(index).center());
    }
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
