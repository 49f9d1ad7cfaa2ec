#include <emscripten.h>

#include "MainWindow.h"
#include "RandomSource.h"

int main()
{
    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    window.Show();
    // From here on the page hands its events to the window. The program leaves main without ending,
    // so the window and the generator stay as they are for as long as the page is open.
    emscripten_exit_with_live_runtime();
}
