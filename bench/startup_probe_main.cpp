// A start-up probe: starts the real program (or an empty window) and reports when its first frame
// has been painted.
//
//   quorvel_startup_probe design|empty|text [launch-time-ns]
//   quorvel_startup_probe store
//
// launch-time-ns is std::chrono::steady_clock's count when the parent started this process; the
// probe prints "painted-after-ns <n>" (from launch to the end of the first painted frame) and
// "peak-rss-kb <n>", then exits at once without tearing anything down. "text" is the empty window
// with one line of text on it, which adds the cost of the font system that any text needs. "store"
// instead times the first reference to the picture store in a fresh process ("store-ns <n>"), the
// first use of all 25 of its pictures ("all-pictures-ns <n>"), and the same number of blank pixmaps
// of the same sizes ("blank-pixmaps-ns <n>").
#include "design/design_window.h"
#include "pictures/graphics.h"
#include "shell/shell.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace {

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long peakResidentKb()
{
#if defined(Q_OS_MACOS)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024; // bytes there
#elif defined(Q_OS_UNIX)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return -1;
#endif
}

// Waits for the first paint of one window, then reports once the frame has been flushed.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, long long launchedNs)
        : QObject(window)
        , m_launchedNs(launchedNs)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued, so it runs after this paint has been drawn and flushed to the screen.
            QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        const long long elapsed = nowNs() - m_launchedNs;
        std::printf("painted-after-ns %lld\npeak-rss-kb %ld\n", elapsed, peakResidentKb());
        std::fflush(stdout);
        std::_Exit(0); // the measurement ends here; teardown is not part of start-up
    }

    long long m_launchedNs;
    bool m_seen = false;
};

// The store's pictures: 16 leaves, 4 tubes, 4 syringes and the drop.
void timeStore()
{
    const long long before = nowNs();
    quorvel::Graphics::instance();
    const long long storeNs = nowNs() - before;

    // What the store defers: every picture drawn on its first use.
    const quorvel::Graphics& store = quorvel::Graphics::instance();
    long long allNs = 0, slowestNs = 0;
    const auto firstUse = [&](const auto& picture) {
        const long long pictureBefore = nowNs();
        picture();
        const long long took = nowNs() - pictureBefore;
        allNs += took;
        slowestNs = std::max(slowestNs, took);
    };
    for (int i = 0; i < quorvel::Graphics::kLeafCount; ++i)
        firstUse([&] { store.Leaf(i); });
    for (int i = 0; i < quorvel::Graphics::kTubeCount; ++i)
        firstUse([&] { store.Tube(i); });
    for (int i = 0; i < quorvel::Graphics::kSyringeCount; ++i)
        firstUse([&] { store.Syringe(i); });
    firstUse([&] { store.Drip(); });

    const long long blankBefore = nowNs();
    std::vector<QPixmap> blanks;
    const auto add = [&blanks](int count, QSize size) {
        for (int i = 0; i < count; ++i) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            blanks.push_back(QPixmap::fromImage(image));
        }
    };
    add(16, {70, 70});
    add(4, {58, 177});
    add(4, {84, 80});
    add(1, {5, 6});
    const long long blankNs = nowNs() - blankBefore;
    std::printf("store-ns %lld\nall-pictures-ns %lld\nslowest-picture-ns %lld\n"
                "blank-pixmaps-ns %lld\n",
                storeNs, allNs, slowestNs, blankNs);
}

} // namespace

int main(int argc, char* argv[])
{
    const long long started = nowNs();
    const std::string_view mode = argc > 1 ? argv[1] : "design";
    const bool empty = mode == "empty" || mode == "text";
    const long long launched = argc > 2 ? std::atoll(argv[2]) : started;

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (mode == "store") {
        timeStore();
        std::fflush(stdout);
        std::_Exit(0);
    }

    std::unique_ptr<QWidget> emptyWindow;
    std::unique_ptr<quorvel::Shell> shell;
    if (empty) {
        emptyWindow = std::make_unique<QWidget>();
        emptyWindow->setWindowTitle(QStringLiteral("Quorvel"));
        emptyWindow->setFixedSize(646, 486); // the Design screen's size
        if (mode == "text")
            (new QLabel(QStringLiteral("Click on these minerals to add them to the tube."),
                        emptyWindow.get()))
                ->move(72, 28);
        new FirstFrame(emptyWindow.get(), launched);
        emptyWindow->show();
    } else {
        shell = std::make_unique<quorvel::Shell>();
        new FirstFrame(&shell->design(), launched);
        shell->start();
    }
    return QApplication::exec();
}
