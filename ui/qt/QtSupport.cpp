#include "QtSupport.h"

#include <QWidget>

#include "DecodedImages.h"

namespace tavrelin::ui {

QRect ToQRect(design::Rect twips)
{
    return PixelsToQRect(design::ToPixels(twips, design::DESIGN_DPI));
}

QRect PixelsToQRect(design::Rect pixels)
{
    return {pixels.Left, pixels.Top, pixels.Width, pixels.Height};
}

QColor ToQColor(Colour colour)
{
    return {colour.Red, colour.Green, colour.Blue};
}

QPalette::ColorRole ToQColorRole(design::SystemColour colour)
{
    switch (colour) {
    case design::SystemColour::WindowText: return QPalette::WindowText;
    }
    return QPalette::WindowText;
}

Qt::Alignment ToQtAlignment(design::Alignment alignment)
{
    return Qt::AlignTop | (alignment == design::Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
}

void SetBackground(QWidget* widget, QPalette::ColorRole role, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, role, ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

QImage ToQImage(const assets::DecodedImage& image, QImage::Format format)
{
    return {reinterpret_cast<const uchar*>(image.Pixels), image.Width, image.Height,
            image.Width * static_cast<qsizetype>(sizeof *image.Pixels), format};
}

}  // namespace tavrelin::ui
