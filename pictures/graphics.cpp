// The picture store: every picture that the screens swap in, drawn once on first use.
#include "pictures/graphics.h"

#include "pictures/drawings.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace quorvel {

namespace {

Graphics* s_store = nullptr;

// Runs while the application object is being torn down, before the windowing system goes:
// pixmaps must not outlive it.
void freeStore() {
    delete s_store;
    s_store = nullptr;
}

template <std::size_t N>
const QPixmap& pick(const std::array<QPixmap, N>& pictures, int index, const QPixmap& none) {
    return index >= 0 && index < int(N) ? pictures[std::size_t(index)] : none;
}

} // namespace

Graphics::Graphics() {
    for (int i = 0; i < kLeafCount; ++i)
        m_leaf[std::size_t(i)] = QPixmap::fromImage(drawings::leaf(i));
    for (int i = 0; i < kTubeCount; ++i)
        m_tube[std::size_t(i)] = QPixmap::fromImage(drawings::tube(i));
    for (int i = 0; i < kSyringeCount; ++i)
        m_syringe[std::size_t(i)] = QPixmap::fromImage(drawings::syringe(i));
    m_drip = QPixmap::fromImage(drawings::drip());
}

const Graphics& Graphics::instance() {
    if (s_store == nullptr) {
        Q_ASSERT_X(qobject_cast<QGuiApplication*>(QCoreApplication::instance()),
                   "Graphics::instance", "pixmaps need a QGuiApplication");
        s_store = new Graphics;
        qAddPostRoutine(freeStore);
    }
    return *s_store;
}

bool Graphics::exists() {
    return s_store != nullptr;
}

const QPixmap& Graphics::Leaf(int index) const {
    return pick(m_leaf, index, m_none);
}

const QPixmap& Graphics::Tube(int index) const {
    return pick(m_tube, index, m_none);
}

const QPixmap& Graphics::Syringe(int index) const {
    return pick(m_syringe, index, m_none);
}

const QPixmap& Graphics::Drip() const {
    return m_drip;
}

} // namespace quorvel
