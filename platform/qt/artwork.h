#pragma once
// The program's own pictures: the window icon, the two picture boxes' images
// and the hand pointer.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "app/catalogue.h"

namespace velorin::qt {

QIcon window_icon();
QPixmap picture(Picture picture);  // null for Picture::None
QCursor cursor(Pointer pointer);

}  // namespace velorin::qt
