// A start-up probe: starts the real program (or an empty window) and reports when its first frame
// has been painted.
//
//   quorvel_startup_probe design|empty|text|same [launch-time-ns [language]]
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
// of the same sizes ("blank-pixmaps-ns <n>"). A language (zh_CN) starts the program in it, as the
// desktop's language would, with whatever font its script needs.
#include "../tests/support/layout_oracle.h"
#include "controls/screen_font.h"
#include "controls/twips.h"
#include "design/design_window.h"
#include "pictures/graphics.h"
#include "pictures/palette.h"
#include "shell/shell.h"
#include "shell/translations.h"

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
    for (int i = 0; i < quorvel::kLeafPictureCount; ++i)
        firstUse([&] { store.picture(quorvel::LeafPicture(i)); });
    for (int i = 0; i < quorvel::kTubePictureCount; ++i)
        firstUse([&] { store.picture(quorvel::TubePicture(i)); });
    for (int i = 0; i < quorvel::kSyringePictureCount; ++i)
        firstUse([&] { store.picture(quorvel::SyringePicture(i)); });
    firstUse([&] { store.picture(quorvel::SinglePicture::Drip); });

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

// A plain widget placed at the layout's twips on the 1:1 frame, as the screens are at their size.
void placeInTwips(QWidget* widget, const layout::Twips& place)
{
    widget->setGeometry(
        quorvel::TwipsFrame().rect(place.left, place.top, place.width, place.height));
}

QWidget* colouredBox(QWidget* parent, const layout::Twips& place, bool framed)
{
    auto* box = new QFrame(parent);
    box->setFrameShape(framed ? QFrame::Box : QFrame::NoFrame);
    box->setAutoFillBackground(true);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Window,
                     framed ? QColor(quorvel::palette::kPaleYellow) : QColor(Qt::black));
    colours.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(colours);
    placeInTwips(box, place);
    return box;
}

QLabel* caption(QWidget* parent, const char* text, Qt::Alignment alignment,
                const layout::Twips& place)
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
    placeInTwips(label, place);
    return label;
}

void addDesignContent(QWidget* window)
{
    window->setWindowTitle(QStringLiteral("Quorvel - Designing your experiment"));
    window->setAutoFillBackground(true);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, Qt::white);
    window->setPalette(colours);
    namespace d = layout::design;
    colouredBox(window, d::kShape2, true);
    colouredBox(window, d::kShape1, true);
    for (int i = 0; i < int(layout::kMineralCaptions.size()); ++i) {
        caption(window, layout::kMineralCaptions[std::size_t(i)], Qt::AlignLeft,
                d::kRecord.mineral(i));
        caption(window, i == 0 ? "Added" : "No", Qt::AlignHCenter, d::kRecord.added(i));
    }
    // The two rules, as boxes one pixel wide.
    colouredBox(window, {d::kLine1[0], d::kLine1[1], 15, d::kLine1[3] - d::kLine1[1]}, false);
    colouredBox(window, {d::kLine2[0], d::kLine2[1], d::kLine2[2] - d::kLine2[0], 15}, false);
    caption(window, d::kInstruction, Qt::AlignLeft, d::kLabel1)->setWordWrap(true);
    const auto addButton = [window](const layout::Button& place) {
        auto* button = new QPushButton(QString::fromLatin1(place.caption), window);
        button->setFont(quorvel::screenFont());
        button->setAutoDefault(true);
        placeInTwips(button, place.place);
    };
    for (std::size_t i = 1; i < d::kAddZelcor.size(); ++i)
        addButton(d::kAddZelcor[i]);
    for (const layout::Button& place : d::kCmdButton)
        addButton(place);
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
        if (argc > 3)
            quorvel::translations::install(QString::fromLocal8Bit(argv[3]));
        shell = std::make_unique<quorvel::Shell>();
        new FirstFrame(&shell->design(), launched);
        shell->start();
    }
    return QApplication::exec();
}
