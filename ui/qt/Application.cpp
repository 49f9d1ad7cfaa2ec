#include "Application.h"

#include "Identity.h"
#include "MainWindow.h"

namespace tavrelin::ui {

Application::Application(int argc, char* argv[])
    : ProgramNameOnly(argc, argv), QApplication(ProgramNameOnly::argc, ProgramNameOnly::argv.data())
{
    setApplicationName(QString::fromUtf8(APPLICATION_NAME));
    setApplicationVersion(QString::fromUtf8(APPLICATION_VERSION));
    setDesktopFileName(QString::fromUtf8(DESKTOP_FILE_NAME));
    // Every widget starts in the window's font, so the desktop's default face is never loaded.
    setFont(MainWindow::DesignFont());
}

}  // namespace tavrelin::ui
