#include "Application.h"

#include "Identity.h"

namespace tavrelin::ui {

Application::Application(int argc, char* argv[])
    : ProgramNameOnly(argc, argv), QApplication(ProgramNameOnly::argc, ProgramNameOnly::argv.data())
{
    setApplicationName(QString::fromUtf8(APPLICATION_NAME));
    setApplicationVersion(QString::fromUtf8(APPLICATION_VERSION));
    setDesktopFileName(QString::fromUtf8(DESKTOP_FILE_NAME));
}

}  // namespace tavrelin::ui
