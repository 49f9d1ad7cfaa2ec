#include "ScreenReaderStatus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace tavrelin::ui {

namespace {

// Where the desktop keeps the state of its accessibility.
const QString SERVICE = QStringLiteral("org.a11y.Bus");
const QString PATH = QStringLiteral("/org/a11y/bus");
const QString STATUS = QStringLiteral("org.a11y.Status");
const QString SCREEN_READER_ENABLED = QStringLiteral("ScreenReaderEnabled");
const QString PROPERTIES = QStringLiteral("org.freedesktop.DBus.Properties");

}  // namespace

void ScreenReaderStatus::Watch()
{
    // Without an address the toolkit would try to start a bus of its own.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(SERVICE, PATH, PROPERTIES, QStringLiteral("PropertiesChanged"), this,
                SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    QDBusMessage get = QDBusMessage::createMethodCall(SERVICE, PATH, PROPERTIES, QStringLiteral("Get"));
    get << STATUS << SCREEN_READER_ENABLED;
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError()) {
            emit changed(reply.value().variant().toBool());
        }
        call->deleteLater();
    });
}

void ScreenReaderStatus::PropertiesChanged(const QString& interface, const QVariantMap& properties,
                                           const QStringList& /*invalidated*/)
{
    if (interface == STATUS && properties.contains(SCREEN_READER_ENABLED)) {
        emit changed(properties.value(SCREEN_READER_ENABLED).toBool());
    }
}

}  // namespace tavrelin::ui
