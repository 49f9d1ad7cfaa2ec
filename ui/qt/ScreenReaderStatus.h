#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tavrelin::ui {

// Whether the desktop's screen reader runs: the ScreenReaderEnabled property of org.a11y.Status on
// the session bus, which the desktop sets while its screen reader is on. It is asked once without
// waiting for the answer, then followed as it changes. No session bus means no screen reader.
class ScreenReaderStatus : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Asks the bus; each answer, and each change after it, comes as `changed`.
    void Watch();

signals:
    void changed(bool running);

private slots:
    void PropertiesChanged(const QString& interface, const QVariantMap& properties, const QStringList& invalidated);
};

}  // namespace tavrelin::ui
