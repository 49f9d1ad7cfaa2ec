#pragma once

#include <QMargins>

class QWidget;

namespace tavrelin::ui {

// The frame that the window manager is going to put around a top-level window that is not shown
// yet, as widths on the left, top, right and bottom. None where there is no window manager, or
// where it cannot tell before the window is shown.
QMargins ComingFrameMargins(QWidget& window);

}  // namespace tavrelin::ui
