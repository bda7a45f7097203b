#include "ImageButton.h"

#include "Artwork.h"

CImageButton::CImageButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void CImageButton::SetImage(const QString& picturePath)
{
    const QIcon picture = Artwork::Load(picturePath);
    setIcon(picture);
    if (!picture.isNull())
        setIconSize(picture.availableSizes().value(0, iconSize()));
}

void CImageButton::SetTooltip(const QString& text)
{
    setToolTip(text);
}

void CImageButton::SetMouseCursorHand()
{
    setCursor(Qt::PointingHandCursor);
}
