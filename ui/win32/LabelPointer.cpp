#include "LabelPointer.h"

#include <windowsx.h>

#include <utility>

#include "WindowBehaviour.h"

namespace tavrelin::ui {

LabelPointer::LabelPointer(design::WindowBehaviour& behaviour, LabelAt labelAt)
    : behaviour_(behaviour), labelAt_(std::move(labelAt))
{
}

bool LabelPointer::HandleMessage(HWND window, UINT message, LPARAM lParam) const
{
    if (message == WM_CAPTURECHANGED) {
        // Losing the mouse, say to another window, ends the press without a click.
        behaviour_.Release(std::nullopt);
        return true;
    }
    if (message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK && message != WM_LBUTTONUP) {
        return false;
    }
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT inside{};
    GetClientRect(window, &inside);
    // Beyond the window's client area there is none of its labels.
    const std::optional<design::Label> under = PtInRect(&inside, point) != FALSE ? labelAt_(point) : std::nullopt;
    if (message == WM_LBUTTONUP) {
        if (GetCapture() == window) {
            behaviour_.Release(under);
            ReleaseCapture();
        }
    } else if (under.has_value()) {
        if (message == WM_LBUTTONDOWN) {
            behaviour_.Press(*under);
        } else {
            behaviour_.DoublePress(*under);
        }
        SetCapture(window);
    }
    return true;
}

}  // namespace tavrelin::ui
