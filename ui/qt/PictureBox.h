#pragma once

#include <QFrame>
#include <QImage>

namespace tavrelin::ui {

// A sunken box that shows a picture at its own size from the top-left corner, cut off at the box's
// inner edges rather than scaled to fit.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(QImage image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage image_;
};

}  // namespace tavrelin::ui
