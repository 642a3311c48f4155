#pragma once

#include <QIcon>
#include <QString>

namespace mirota {

// The toolbar picture of an image key: the system icon theme's where it has one, otherwise drawn here.
QIcon commandIcon(const QString& imageKey);

// The picture drawn here for an image key, at the given size in pixels.
QPixmap drawnCommandPicture(const QString& imageKey, int size);

}  // namespace mirota
