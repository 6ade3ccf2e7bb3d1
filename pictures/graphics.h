// The picture store: every picture of the screens, known by its name, drawn once on first use.
#pragma once

#include "model/picture_names.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <utility>
#include <variant>
#include <vector>

namespace quorvel {

// One picture of the program, whichever kind it is.
using PictureName = std::variant<LeafPicture, TubePicture, SyringePicture, SinglePicture>;

class Graphics {
public:
    // The one store of the program. It lives from the first call until the application object
    // goes away; each picture is drawn the first time it is asked for, which needs a
    // QGuiApplication.
    static const Graphics& instance();

    // The picture as drawn for a plain display, handed out by const reference: whoever takes it
    // shares the one image (Qt's implicit sharing), so a name always gives the same pixmap.
    const QPixmap& picture(PictureName name) const;
    // The same picture drawn sharp for a display of this device pixel ratio, made once per ratio
    // and kept while the ratio is among the few asked for most recently; at a ratio of 1, the
    // picture itself.
    QPixmap picture(PictureName name, qreal devicePixelRatio) const;
    // What the renditions kept for other ratios hold now, in bytes.
    qint64 renditionBytes() const;
    // What the picture shows, in words a pupil understands, for screen readers. Draws nothing.
    QString description(PictureName name) const;

private:
    Graphics();

    static constexpr std::size_t kPictureCount =
        kLeafPictureCount + kTubePictureCount + kSyringePictureCount + kSinglePictureCount;
    struct Drawn {
        QPixmap picture;
        std::vector<std::pair<qreal, QPixmap>> renditions; // one for each recent ratio shown at
    };
    Drawn& drawn(PictureName name) const;
    void useRatio(qreal ratio) const;

    // Filled on first use: asking for a picture is a const read that may draw it.
    mutable std::array<Drawn, kPictureCount> m_drawn;
    mutable std::vector<qreal> m_recentRatios; // the latest last
};

} // namespace quorvel
