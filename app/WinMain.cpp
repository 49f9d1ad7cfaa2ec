#include <windows.h>

#include "MainWindow.h"
#include "RandomSource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand)
{
    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    if (!window.Create(instance, showCommand)) {
        return 1;
    }
    return window.RunMessageLoop();
}
