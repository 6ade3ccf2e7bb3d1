// The picture store: every picture that the screens swap in, drawn once on first use.
#include "pictures/graphics.h"

#include "pictures/picture_catalogue.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace quorvel {

namespace {

Graphics* s_store = nullptr;

// Runs while the application object is being torn down, before the windowing system goes:
// pixmaps must not outlive it.
void freeStore()
{
    delete s_store;
    s_store = nullptr;
}

// Draws a picture the first time it is asked for: start-up then draws only the two pictures the
// Design screen shows, not all 25. Once drawn, a picture is the same pixmap for the whole run.
template <std::size_t N, typename Make>
const QPixmap& pick(std::array<QPixmap, N>& pictures, int index, const QPixmap& none, Make make)
{
    if (index < 0 || index >= int(N))
        return none;
    QPixmap& picture = pictures[std::size_t(index)];
    if (picture.isNull())
        picture = make(index);
    return picture;
}

} // namespace

// Pictures are made by the catalogue, so that every store picture also has its words and its
// sharp renditions.
Graphics::Graphics() = default;

const Graphics& Graphics::instance()
{
    if (s_store == nullptr) {
        Q_ASSERT_X(qobject_cast<QGuiApplication*>(QCoreApplication::instance()),
                   "Graphics::instance", "pixmaps need a QGuiApplication");
        s_store = new Graphics;
        qAddPostRoutine(freeStore);
    }
    return *s_store;
}

bool Graphics::exists()
{
    return s_store != nullptr;
}

const QPixmap& Graphics::Leaf(int index) const
{
    return pick(m_leaf, index, m_none, &catalogue::leaf);
}

const QPixmap& Graphics::Tube(int index) const
{
    return pick(m_tube, index, m_none, &catalogue::tube);
}

const QPixmap& Graphics::Syringe(int index) const
{
    return pick(m_syringe, index, m_none, &catalogue::syringe);
}

const QPixmap& Graphics::Drip() const
{
    if (m_drip.isNull())
        m_drip = catalogue::drip();
    return m_drip;
}

} // namespace quorvel
