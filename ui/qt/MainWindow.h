#pragma once

#include <array>

#include <QWidget>

#include "WindowBehaviour.h"
#include "WindowDesign.h"
#include "WindowView.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace tavrelin::ui {

class Announcer;
class CellGrid;
class ClickLabel;
class Counter;
class PictureBox;
class PushButton;

// The game's one window on Qt. It turns the window's design into widgets, hands every input to the
// window's behaviour, and draws what the behaviour tells it to.
class MainWindow : public QWidget, private design::WindowView {
    Q_OBJECT

public:
    // Builds the window and runs its start-up; the generator is seeded there, once per run.
    explicit MainWindow(RandomSource& random, QWidget* parent = nullptr);

    const Game& game() const { return behaviour_.game(); }

    // The window's font, every property set, so that nothing comes from the desktop's default font.
    static QFont DesignFont();

private:
    void CreateControls();
    // Tab goes round the controls in the design's order, with the grid after "Чисти" while it takes the focus.
    void SetTabOrder();
    // The control that stands for a stop of the order of Tab.
    QWidget* FocusStopWidget(design::FocusStop stop) const;
    // Places the whole window, frame included, on the screen's work area as the design says, before
    // it is first shown.
    void CentreOnScreen();

    // The grid is one widget, placed at start-up.
    bool LayOutGrid() override;
    // A changed cell and the current cell are repainted; a counter is a line edit given its text.
    void ShowCell(int Index) override;
    void ShowCurrentCell(int previous, int current) override;
    void ShowCounter(int i, const std::string& text) override;
    // The phrase is an unseen notification's; the grid's focus policy follows the screen reader.
    void Announce(const std::string& phrase) override;
    void LetGridTakeFocus(bool takes) override;

    design::WindowBehaviour behaviour_;

    QLabel* Label1 = nullptr;
    CellGrid* Label3 = nullptr;
    PictureBox* Picture1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 2> Label2{};
    std::array<Counter*, 2> Text2{};
    PushButton* Command1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    ClickLabel* Label4 = nullptr;
    // What a screen reader is told after a shot and after "Чисти".
    Announcer* Spoken = nullptr;
};

}  // namespace tavrelin::ui
