// Colour numbers: the 16-colour palette, the button-face colour, RGB values.
#include <QGuiApplication>
#include <QPalette>
#include <array>

#include "draw/kit.h"
#include "draw/primitives.h"

namespace orr {

namespace {
constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255),
};

QColor systemColour(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(QPalette::Active, role);
}

// Numbers with the top bit set name system colours by their low byte.
QColor systemColourNumber(long colour)
{
    switch (colour & 0xFF) {
    case 0x05: return systemColour(QPalette::Base);
    case 0x08: return systemColour(QPalette::Text);
    case 0x12: return systemColour(QPalette::ButtonText);
    case 0x0F:
    default: return systemColour(QPalette::Button);
    }
}
}  // namespace

QColor paletteColour(long colour)
{
    if (colour >= 0 && colour <= 15)
        return QColor::fromRgb(kPalette[size_t(colour)]);
    if (colour < 0)
        return systemColourNumber(colour);
    // 0x00BBGGRR
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void setDrawingColour(long colour)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    pic->foreColor = colour == 7 ? systemColour(QPalette::Button) : paletteColour(colour);
}

}  // namespace orr
