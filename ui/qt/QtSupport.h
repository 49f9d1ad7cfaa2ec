#pragma once

#include <QAccessibleWidget>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

#include "CellFace.h"
#include "WindowDesign.h"

class QWidget;

namespace tavrelin::assets {
struct DecodedImage;
}  // namespace tavrelin::assets

// The design's units, colours and images in Qt's terms. Qt lays widgets out in device-independent
// pixels, which are the design's pixels at 96 dots per inch on every display.
namespace tavrelin::ui {

// A place of the design, in twips, as device-independent pixels.
QRect ToQRect(design::Rect twips);
// A place already in pixels.
QRect PixelsToQRect(design::Rect pixels);

QColor ToQColor(Colour colour);
// The palette's role that holds a colour of the system's.
QPalette::ColorRole ToQColorRole(design::SystemColour colour);

// A caption stands at the top of its label, left or centred across it.
Qt::Alignment ToQtAlignment(design::Alignment alignment);

// Gives a widget a background colour of its own, the same whether it is enabled or not.
void SetBackground(QWidget* widget, QPalette::ColorRole role, Colour colour);

// The toolkit asks its factories for the accessible object of each widget: this one makes an
// Accessible of every widget of class Widget, and leaves the others to other factories.
template <class Widget, class Accessible>
QAccessibleInterface* AccessibleFactory(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<Widget*>(object);
    return widget != nullptr ? new Accessible(widget) : nullptr;
}

// A widget's standard accessible object in a role of its own.
template <QAccessible::Role Role>
class AccessibleAs : public QAccessibleWidget {
public:
    explicit AccessibleAs(QWidget* widget) : QAccessibleWidget(widget, Role) {}
};

// A decoded image of the program's own, read where it lies.
QImage ToQImage(const assets::DecodedImage& image, QImage::Format format);

}  // namespace tavrelin::ui
