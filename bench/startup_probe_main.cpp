// A start-up probe: starts the real program (or an empty window) and reports when its first frame
// has been painted.
//
//   quorvel_startup_probe design|empty|text|same [launch-time-ns]
//   quorvel_startup_probe store
//
// launch-time-ns is std::chrono::steady_clock's count when the parent started this process; the
// probe prints "painted-after-ns <n>" (from launch to the end of the first painted frame) and
// "peak-rss-kb <n>", then exits at once without tearing anything down. "text" is the empty window
// with one line of text on it, which adds the cost of the font system that any text needs. "same"
// is the floor for the Design screen's content: its buttons, captions, coloured rectangles and
// lines as plain Qt widgets, in the same font, size and title, with no pictures. "store"
// instead times the first reference to the picture store in a fresh process ("store-ns <n>"), the
// first use of all 25 of its pictures ("all-pictures-ns <n>"), and the same number of blank pixmaps
// of the same sizes ("blank-pixmaps-ns <n>").
#include "controls/screen_font.h"
#include "controls/twips.h"
#include "design/design_window.h"
#include "pictures/graphics.h"
#include "pictures/palette.h"
#include "shell/shell.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <array>
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

// The Design screen's visible content without its pictures, in twips as the screen places it.
struct Place {
    const char* text;
    int left, top, width, height;
};
constexpr std::array<Place, 11> kButtons = {{
    {"&Nitrogen", 360, 2400, 1575, 615},
    {"Po&tassium", 2040, 2400, 1575, 615},
    {"&Magnesium", 360, 3120, 1575, 615},
    {"&Iron", 2040, 3120, 1575, 615},
    {"&Phosphorus", 360, 3840, 1575, 615},
    {"&Calcium", 2040, 3840, 1575, 615},
    {"Add &Water", 360, 5505, 1575, 735},
    {"See &Results", 3960, 5505, 1575, 735},
    {"&Quit", 7680, 5505, 1575, 735},
    {"&Start again", 5760, 5505, 1695, 735},
    {"&Add Cutting", 2160, 5505, 1575, 735},
}};
constexpr std::array<const char*, 7> kMinerals = {"Mineral", "Nitrogen",   "Potassium", "Magnesium",
                                                  "Iron",    "Phosphorus", "Calcium"};
constexpr std::array<int, 7> kRowTopTwips = {1080, 1680, 2160, 2640, 3120, 3600, 4080};

QWidget* colouredBox(QWidget* parent, int left, int top, int width, int height, bool framed)
{
    auto* box = new QFrame(parent);
    box->setFrameShape(framed ? QFrame::Box : QFrame::NoFrame);
    box->setAutoFillBackground(true);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Window,
                     framed ? QColor(quorvel::palette::kPaleYellow) : QColor(Qt::black));
    colours.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(colours);
    quorvel::placeInTwips(box, left, top, width, height);
    return box;
}

QLabel* caption(QWidget* parent, const char* text, Qt::Alignment alignment, int left, int top,
                int width, int height)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(quorvel::screenFont());
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, QColor(quorvel::palette::kPaleYellow));
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    quorvel::placeInTwips(label, left, top, width, height);
    return label;
}

void addDesignContent(QWidget* window)
{
    window->setWindowTitle(QStringLiteral("Quorvel - Designing your experiment"));
    window->setAutoFillBackground(true);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, Qt::white);
    window->setPalette(colours);
    colouredBox(window, 840, 240, 2295, 1335, true);
    colouredBox(window, 6120, 840, 3135, 3855, true);
    for (std::size_t i = 0; i < kMinerals.size(); ++i) {
        caption(window, kMinerals[i], Qt::AlignLeft, 6360, kRowTopTwips[i], 1335, 375);
        caption(window, i == 0 ? "Added" : "No", Qt::AlignHCenter, 7920, kRowTopTwips[i], 1095,
                375);
    }
    colouredBox(window, 7800, 840, 15, 3840, false);
    colouredBox(window, 6120, 1560, 3120, 15, false);
    caption(window, "Click on these minerals to add them to the tube.", Qt::AlignLeft, 1080, 420,
            1815, 975)
        ->setWordWrap(true);
    for (const Place& place : kButtons) {
        auto* button = new QPushButton(QString::fromLatin1(place.text), window);
        button->setFont(quorvel::screenFont());
        button->setAutoDefault(true);
        quorvel::placeInTwips(button, place.left, place.top, place.width, place.height);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const long long started = nowNs();
    const std::string_view mode = argc > 1 ? argv[1] : "design";
    const bool empty = mode == "empty" || mode == "text" || mode == "same";
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
        if (mode == "same")
            addDesignContent(emptyWindow.get());
        new FirstFrame(emptyWindow.get(), launched);
        emptyWindow->show();
    } else {
        shell = std::make_unique<quorvel::Shell>();
        new FirstFrame(&shell->design(), launched);
        shell->start();
    }
    return QApplication::exec();
}
