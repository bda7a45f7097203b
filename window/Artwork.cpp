#include "Artwork.h"

#include <QPixmap>

QIcon Artwork::Load(const QString& path)
{
    const QPixmap picture(path);
    return picture.isNull() ? QIcon() : QIcon(picture);
}
