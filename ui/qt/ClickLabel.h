#pragma once

#include <QLabel>

namespace tavrelin::ui {

// A label that reports a click: the left button pressed and released over it. A double-click is
// one click; its second press and release report nothing more.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Set by the second press of a double-click, so that its release is not a click.
    bool inDoubleClick_ = false;
};

}  // namespace tavrelin::ui
