#pragma once

#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "CellGrid.h"
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

// Where two pictures of the same size differ: in how many pixels, and the first of them, row by row.
struct PixelDifference {
    int Count = 0;
    QPoint First;
};
inline PixelDifference DifferentPixels(const QImage& a, const QImage& b)
{
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    PixelDifference difference;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            if (first.pixel(x, y) != second.pixel(x, y) && difference.Count++ == 0) {
                difference.First = QPoint(x, y);
            }
        }
    }
    return difference;
}

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

    ui::CellGrid* Grid() const { return Control<ui::CellGrid>(QStringLiteral("Label3")); }
    // The cell as the player sees it: its colour just inside its border, clear of the caption.
    QColor CellColour(int index) const
    {
        const QRect place = Grid()->CellRect(index);
        return Grid()->grab(place).toImage().pixelColor(3, 3);
    }
    // The caption the grid paints on the cell.
    QString CellCaption(int index) const
    {
        const std::string_view caption = Grid()->Behaviour().Face(index).Caption;
        return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    }
    // The cell as a screen reader finds it.
    QAccessibleInterface* AccessibleCell(int index) const
    {
        return QAccessible::queryAccessibleInterface(Grid())->child(index);
    }
    // A click in the middle of the cell, as a player gives it.
    void ClickCell(int index, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(Grid(), button, Qt::NoModifier, Grid()->CellRect(index).center());
    }

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
