#include "OleColor.h"

QColor OleColorToQColor(OleColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

OleColor QColorToOleColor(const QColor& color)
{
    return static_cast<OleColor>(color.red()) | static_cast<OleColor>(color.green()) << 8 |
           static_cast<OleColor>(color.blue()) << 16;
}
