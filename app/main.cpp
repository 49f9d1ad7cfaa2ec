#include <QApplication>

#include "Identity.h"
#include "MainWindow.h"
#include "RandomSource.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tavrelin::APPLICATION_NAME));
    QApplication::setApplicationVersion(QString::fromUtf8(tavrelin::APPLICATION_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(tavrelin::DESKTOP_FILE_NAME));

    tavrelin::StandardRandom random;
    tavrelin::ui::MainWindow window(random);
    window.show();
    return QApplication::exec();
}
