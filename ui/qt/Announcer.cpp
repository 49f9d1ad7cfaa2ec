#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tavrelin::ui {

namespace {

// A screen reader finds the announcer as a notification, named by its phrase.
QAccessibleInterface* NotificationAccessible(const QString& /*className*/, QObject* object)
{
    auto* announcer = qobject_cast<Announcer*>(object);
    return announcer != nullptr ? new QAccessibleWidget(announcer, QAccessible::Notification) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    QAccessible::installFactory(NotificationAccessible);
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
