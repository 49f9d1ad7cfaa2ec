#pragma once

#include <memory>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "MainWindow.h"
#include "RandomSource.h"

namespace tavrelin::testing {

// The program's generator from a fixed seed, counting how often the window seeds it.
class CountingRandom final : public RandomSource {
public:
    void SeedFromClock() override { ++seedings; }
    double Next() override { return generator_.Next(); }

    int seedings = 0;

private:
    StandardRandom generator_{1234};
};

// A shown window of the game, ready to be clicked.
struct ShownWindow {
    ShownWindow() : window(std::make_unique<ui::MainWindow>(random))
    {
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }

    template <typename Widget = QWidget>
    Widget* Control(const QString& name) const
    {
        return window->findChild<Widget*>(name);
    }

    QLabel* Cell(int index) const { return Control<QLabel>(QStringLiteral("Label3_%1").arg(index)); }

    // Clicks the window where a player would, hitting whichever widget lies on top there.
    void ClickAt(QPoint windowPoint) const
    {
        QWidget* target = window->childAt(windowPoint);
        QWidget* receiver = target != nullptr ? target : window.get();
        QTest::mouseClick(receiver, Qt::LeftButton, Qt::NoModifier, receiver->mapFrom(window.get(), windowPoint));
    }

    // Double-clicks the window where a player would, through the platform, as a real pointer does:
    // press, release, and a second press and release soon after, which the toolkit makes a double-click.
    void DoubleClickAt(QPoint windowPoint) const
    {
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, windowPoint);
    }

    CountingRandom random;
    bool exposed = false;
    std::unique_ptr<ui::MainWindow> window;
};

}  // namespace tavrelin::testing

// Widget tests run on the offscreen platform unless told otherwise, so they need no display.
#define TAVRELIN_WIDGET_TEST_MAIN(TestClass)                  \
    int main(int argc, char* argv[])                          \
    {                                                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
            qputenv("QT_QPA_PLATFORM", "offscreen");          \
        }                                                     \
        QApplication application(argc, argv);                 \
        TestClass test;                                       \
        return QTest::qExec(&test, argc, argv);               \
    }
