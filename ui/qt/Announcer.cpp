#include "Announcer.h"

#include <QAccessible>

#include "QtSupport.h"

namespace tavrelin::ui {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    // A screen reader finds the announcer as a notification, named by its phrase.
    QAccessible::installFactory(AccessibleFactory<Announcer, AccessibleAs<QAccessible::Notification>>);
    // Never shown: nothing of it is seen, and it takes no input.
    hide();
}

void Announcer::Announce(const QString& phrase)
{
    setAccessibleName(phrase);
    if (QAccessible::isActive()) {
        QAccessibleEvent appeared(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&appeared);
    }
}

}  // namespace tavrelin::ui
