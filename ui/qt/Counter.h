#pragma once

#include <QLineEdit>

namespace tavrelin::ui {

// A text box that only shows its number, centred. A screen reader calls it by the caption beside it
// and finds the number where it is drawn, so that the number is read under the pointer as well.
class Counter : public QLineEdit {
    Q_OBJECT

public:
    explicit Counter(QWidget* parent);

    // Where the characters from start up to end stand as drawn, in the counter's own pixels.
    QRect TextRect(int start, int end) const;
};

}  // namespace tavrelin::ui
