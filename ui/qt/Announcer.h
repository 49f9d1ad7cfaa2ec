#pragma once

#include <QWidget>

namespace tavrelin::ui {

// An unseen notification for screen readers: each phrase it is given appears in it at once, and a
// screen reader speaks a notification that appears, wherever the keyboard focus is.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void Announce(const QString& phrase);
};

}  // namespace tavrelin::ui
