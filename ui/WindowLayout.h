#pragma once

#include <QRect>
#include <QRgb>

namespace tavrelin::ui {

// The window is designed in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
constexpr int TWIPS_PER_PIXEL = 15;

struct Twips {
    int Left;
    int Top;
    int Width;
    int Height;
};

constexpr QRect ToPixels(Twips t)
{
    return QRect(t.Left / TWIPS_PER_PIXEL, t.Top / TWIPS_PER_PIXEL, t.Width / TWIPS_PER_PIXEL,
                 t.Height / TWIPS_PER_PIXEL);
}

// Where each control stands: on the window's client area, or inside Frame1 for Label2 and Text2.
constexpr Twips CLIENT_AREA{0, 0, 7620, 6915};
constexpr Twips LABEL1{1440, 0, 4575, 375};
// The template cell; the whole grid is built from its place and size.
constexpr Twips LABEL3_TEMPLATE{120, 480, 300, 300};
constexpr Twips PICTURE1{4440, 480, 3015, 1830};
constexpr Twips FRAME1{4920, 2520, 2175, 1335};
constexpr Twips LABEL2[2]{{120, 360, 1095, 405}, {120, 840, 1095, 405}};
constexpr Twips TEXT2[2]{{1200, 360, 855, 405}, {1200, 840, 855, 405}};
constexpr Twips COMMAND1{5520, 4080, 1215, 375};
constexpr Twips TEXT1{120, 4800, 7335, 2055};
// The hidden switch: a 9 x 9 square in the right margin, its first pixel column under the rules box.
constexpr Twips LABEL4{7440, 4800, 135, 135};

// Pale lavender: the window, the score frame and the hidden switch.
constexpr QRgb LAVENDER = qRgb(192, 192, 255);
// Light orange: the title and the counter captions.
constexpr QRgb ORANGE = qRgb(255, 192, 128);
// The counter of ship cells still to find.
constexpr QRgb GREEN = qRgb(0, 255, 0);
// The attempts counter and the face of the button "Чисти".
constexpr QRgb SIGNAL_RED = qRgb(255, 0, 0);

}  // namespace tavrelin::ui
