#pragma once

#include <array>

#include <QApplication>

namespace tavrelin::ui {

namespace detail {
// The only argument the toolkit is given: the program's own name, if it was started with one.
struct ProgramNameOnly {
    ProgramNameOnly(int givenArgc, char* givenArgv[])
    {
        if (givenArgc > 0) {
            argc = 1;
            argv[0] = givenArgv[0];
        }
    }

    int argc = 0;
    std::array<char*, 2> argv{};
};
}  // namespace detail

// The game's application. The game takes no command line, so none of the toolkit's own options
// (-style, -reverse, -stylesheet and the rest) reach the toolkit either; its environment
// variables still do.
class Application : private detail::ProgramNameOnly, public QApplication {
public:
    Application(int argc, char* argv[]);
};

}  // namespace tavrelin::ui
