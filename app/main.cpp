#include "Application.h"
#include "MainWindow.h"
#include "RandomSource.h"

int main(int argc, char* argv[])
{
    tavrelin::ui::Application application(argc, argv);
    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    window.show();
    return tavrelin::ui::Application::exec();
}
