#pragma once

#include <array>

#include <QWidget>

#include "Game.h"
#include "ShownGame.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tavrelin::ui {

class CellGrid;
class ClickLabel;
class PictureBox;

// The game's one window on Qt. It turns the window's design into widgets, builds the grid of
// cells at start-up, hands every event to the game and shows what the game says each cell and
// counter shows. The rules of the game all live in Game.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its start-up; the generator is seeded here, once per run.
    explicit MainWindow(RandomSource& random, QWidget* parent = nullptr);

    const Game& game() const { return game_; }

    // The window's font, every property set, so that nothing comes from the desktop's default font.
    static QFont DesignFont();

private:
    void CreateControls();
    // Start-up: seed the generator, turn the template cell into the 14 x 14 grid, deal the first game.
    void Form_Load();
    // Places the whole window, frame included, in the middle of the screen before it is first shown.
    void CentreOnScreen();
    void Label3_Click(int Index);
    void Label4_Click();
    void Command1_Click(int Index);
    // Brings every cell and both counters in line with the game, touching only what changed.
    void ShowGame();

    RandomSource& random_;
    Game game_;
    design::ShownGame shown_;

    QLabel* Label1 = nullptr;
    CellGrid* Label3 = nullptr;
    PictureBox* Picture1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 2> Label2{};
    std::array<QLineEdit*, 2> Text2{};
    QPushButton* Command1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    ClickLabel* Label4 = nullptr;
};

}  // namespace tavrelin::ui
