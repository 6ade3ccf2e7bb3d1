// Every picture that a screen shows, known by its 1x pixmap: what it shows in words, and the
// same picture drawn sharp for a display of any pixel density.
#pragma once

#include <QPixmap>
#include <QString>

namespace quorvel::catalogue {

// Each call draws a new picture at scale 1 and returns it: the pixmap is the picture's identity,
// which controls and the store share by implicit sharing. An index outside a picture array
// gives a null pixmap, which the catalogue does not know. Needs a QGuiApplication.
QPixmap leaf(int index);
QPixmap tube(int index);
QPixmap syringe(int index);
QPixmap drip();
QPixmap blackedOutTube();
QPixmap cuttingInTube();
QPixmap ruler();

// What the picture shows; empty for a pixmap that the catalogue did not make.
QString description(const QPixmap& picture);

// The picture drawn for a display of the given device pixel ratio, made once per ratio and then
// kept. At a ratio of 1, or for a pixmap the catalogue did not make, the picture itself.
QPixmap sharp(const QPixmap& picture, qreal devicePixelRatio);
// What the renditions kept for other ratios hold now, in bytes.
qint64 renditionBytes();

} // namespace quorvel::catalogue
