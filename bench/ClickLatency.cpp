// In the shown window: the time from a click on a white cell to that cell's repaint, and from a
// press of "Чисти" to the repaint of all 196 cells. Prints the median of each, in microseconds.
//   click_latency [ROUNDS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "CellGrid.h"
#include "MainWindow.h"
#include "PaintWatcher.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the toolkit's events until the watched widgets have all painted; the microseconds taken.
double MicrosecondsUntilPainted(tavrelin::bench::PaintWatcher& watcher, Clock::time_point start)
{
    while (!watcher.AllPainted()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    auto* grid = window.findChild<tavrelin::ui::CellGrid*>(QStringLiteral("Label3"));
    auto* clear = window.findChild<QPushButton*>(QStringLiteral("Command1_1"));
    // The grid paints every changed cell in one go.
    tavrelin::bench::PaintWatcher painted({grid});

    std::vector<double> shots;
    std::vector<double> clears;
    for (int round = 0; round < rounds; ++round) {
        for (int n = 0; n < tavrelin::CELL_COUNT; ++n) {
            painted.Reset();
            const Clock::time_point start = Clock::now();
            QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(n).center());
            shots.push_back(MicrosecondsUntilPainted(painted, start));
        }
        painted.Reset();
        const Clock::time_point start = Clock::now();
        QTest::mouseClick(clear, Qt::LeftButton);
        clears.push_back(MicrosecondsUntilPainted(painted, start));
    }
    std::printf("shot_us=%.1f clear_us=%.1f shots=%zu clears=%zu\n", Median(shots), Median(clears), shots.size(),
                clears.size());
    return 0;
}
