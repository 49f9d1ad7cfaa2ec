// Starts the game's real window and stops at its first complete paint, all 196 cells drawn.

#include "Application.h"

#include "MainWindow.h"
#include "PaintWatcher.h"

int main(int argc, char* argv[])
{
    tavrelin::ui::Application application(argc, argv);
    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    return tavrelin::bench::ShowUntilPainted(window, {window.findChild<QWidget*>(QStringLiteral("Label3"))});
}
