// Benchmarks of start-up, the picture store, the growth run and a mineral dose, each printed beside
// a baseline measured in the same run. Nothing here passes or fails; the targets are for reading.
//
//   quorvel_bench [--runs N]    (run it through tools/bench.sh)
#include "design/design_window.h"
#include "model/experiment_state.h"
#include "pictures/drawings.h"
#include "pictures/graphics.h"
#include "results/results_window.h"
#include "shell/shell.h"
#include "tests/support/paint_counter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// The value at share q (0 to 1) of the sorted values, between neighbours where it falls between.
double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const double at = q * double(values.size() - 1);
    const std::size_t below = std::size_t(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - double(below));
}

double median(std::vector<double> values)
{
    return quantile(std::move(values), 0.5);
}

// Runs the probe once and returns what it printed, as name -> value.
std::map<QString, double> probe(const QString& program, const QString& mode,
                                const QString& language = QString())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long launched = nowNs();
    QStringList arguments{mode, QString::number(launched)};
    if (!language.isEmpty())
        arguments << language;
    process.start(program, arguments);
    process.waitForFinished(60000);
    std::map<QString, double> values;
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() == 2)
            values[parts[0]] = parts[1].toDouble();
    }
    return values;
}

using testing::PaintCounter;

// Median duration in milliseconds of step(), each run after prepare() (which is not timed).
double timeMs(int runs, const std::function<void()>& prepare, const std::function<void()>& step)
{
    std::vector<double> durations;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const long long before = nowNs();
        step();
        durations.push_back((nowNs() - before) / 1e6);
    }
    return median(durations);
}

void row(const char* figure, const QString& measured, const QString& baseline, const QString& ratio,
         const char* target)
{
    std::printf("| %-50s | %-16s | %-34s | %-20s | %-10s |\n", figure, qPrintable(measured),
                qPrintable(baseline), qPrintable(ratio), target);
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 1 ? 3 : 1) + " ms";
}
// The median of per-round ratios, with the middle half of them: "1.04x (1.02 to 1.06)".
QString ratioWithSpread(const std::vector<double>& measured, const std::vector<double>& baseline)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < measured.size() && i < baseline.size(); ++i)
        ratios.push_back(measured[i] / std::max(baseline[i], 1e-9));
    return QString::number(median(ratios), 'f', 2) + "x (" +
           QString::number(quantile(ratios, 0.25), 'f', 2) + " to " +
           QString::number(quantile(ratios, 0.75), 'f', 2) + ")";
}

// One store picture, drawn as the store draws it: the drawing made a pixmap.
struct StorePicture {
    QString name;
    std::function<QImage(double)> draw;
};

std::vector<StorePicture> storePictures()
{
    using namespace quorvel;
    std::vector<StorePicture> all;
    for (int i = 0; i < kLeafPictureCount; ++i)
        all.push_back({QStringLiteral("leaf %1").arg(i),
                       [i](double scale) { return drawings::leaf(i, scale); }});
    for (int i = 0; i < kTubePictureCount; ++i)
        all.push_back({QStringLiteral("tube %1").arg(i),
                       [i](double scale) { return drawings::tube(i, scale); }});
    for (int i = 0; i < kSyringePictureCount; ++i)
        all.push_back({QStringLiteral("syringe %1").arg(i),
                       [i](double scale) { return drawings::syringe(i, scale); }});
    all.push_back({QStringLiteral("drop"), &drawings::drip});
    return all;
}

QPixmap blankLike(const QImage& image)
{
    QImage blank(image.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return QPixmap::fromImage(blank);
}

QString mb(double kb)
{
    return QString::number(kb / 1024.0, 'f', 1) + " MB";
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int runs = 31;
    const QStringList args = QCoreApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--runs"));
        at >= 0 && at + 1 < args.size())
        runs = std::max(1, args[at + 1].toInt());
    const QString probeProgram = QDir(QCoreApplication::applicationDirPath())
                                     .filePath(QStringLiteral("quorvel_startup_probe"));
    if (!QFileInfo::exists(probeProgram)) {
        std::fprintf(stderr, "quorvel_bench: %s is missing\n", qPrintable(probeProgram));
        return 2;
    }

    // Start-up and memory: the program's probe against the same probe showing an empty window,
    // alternated so that both meet the same state of the machine.
    std::vector<double> chineseMs, chineseKb, designMs, emptyMs, textMs, sameMs, designKb, emptyKb,
        textKb, sameKb, storeMs, blankMs, allPicturesMs, slowestPictureMs;
    for (int i = 0; i < runs; ++i) {
        auto empty = probe(probeProgram, QStringLiteral("empty"));
        auto text = probe(probeProgram, QStringLiteral("text"));
        auto same = probe(probeProgram, QStringLiteral("same"));
        auto design = probe(probeProgram, QStringLiteral("design"));
        auto chinese = probe(probeProgram, QStringLiteral("design"), QStringLiteral("zh_CN"));
        chineseMs.push_back(chinese[QStringLiteral("painted-after-ns")] / 1e6);
        chineseKb.push_back(chinese[QStringLiteral("peak-rss-kb")]);
        auto store = probe(probeProgram, QStringLiteral("store"));
        sameMs.push_back(same[QStringLiteral("painted-after-ns")] / 1e6);
        sameKb.push_back(same[QStringLiteral("peak-rss-kb")]);
        emptyMs.push_back(empty[QStringLiteral("painted-after-ns")] / 1e6);
        emptyKb.push_back(empty[QStringLiteral("peak-rss-kb")]);
        textMs.push_back(text[QStringLiteral("painted-after-ns")] / 1e6);
        textKb.push_back(text[QStringLiteral("peak-rss-kb")]);
        designMs.push_back(design[QStringLiteral("painted-after-ns")] / 1e6);
        designKb.push_back(design[QStringLiteral("peak-rss-kb")]);
        storeMs.push_back(store[QStringLiteral("store-ns")] / 1e6);
        blankMs.push_back(store[QStringLiteral("blank-pixmaps-ns")] / 1e6);
        allPicturesMs.push_back(store[QStringLiteral("all-pictures-ns")] / 1e6);
        slowestPictureMs.push_back(store[QStringLiteral("slowest-picture-ns")] / 1e6);
    }

    // The screens themselves, in this process.
    quorvel::Shell::Options options;
    options.confirmQuit = [] { return quorvel::kAnswerNo; };
    options.endProgram = [] {};
    quorvel::Shell shell(std::move(options));
    shell.start();
    quorvel::DesignWindow& design = shell.design();
    const auto settle = [] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    };

    settle();

    // The pictures drawn again in this process, which has painted a window, so that one-time
    // set-up (the first QPixmap, the first QPainter) is not counted; against blank pixmaps of the
    // same sizes.
    const std::vector<StorePicture> pictures = storePictures();
    const int pictureRuns = std::max(runs, 11);
    const auto drawAll = [&](double scale) {
        for (const StorePicture& picture : pictures)
            QPixmap::fromImage(picture.draw(scale));
    };
    const double allAt1Ms = timeMs(
        pictureRuns, [] {}, [&] { drawAll(1.0); });
    const double allAt2Ms = timeMs(
        pictureRuns, [] {}, [&] { drawAll(2.0); });
    std::vector<QImage> samples1, samples2;
    for (const StorePicture& picture : pictures) {
        samples1.push_back(picture.draw(1.0));
        samples2.push_back(picture.draw(2.0));
    }
    const auto blanks = [](const std::vector<QImage>& like) {
        for (const QImage& image : like)
            blankLike(image);
    };
    const double blanksAt1Ms = timeMs(
        pictureRuns, [] {}, [&] { blanks(samples1); });
    const double blanksAt2Ms = timeMs(
        pictureRuns, [] {}, [&] { blanks(samples2); });
    QString slowestName;
    double slowestAt1Ms = 0.0, slowestAt2Ms = 0.0;
    for (const StorePicture& picture : pictures) {
        const double at1 = timeMs(
            pictureRuns, [] {}, [&] { QPixmap::fromImage(picture.draw(1.0)); });
        if (at1 > slowestAt1Ms) {
            slowestAt1Ms = at1;
            slowestName = picture.name;
            slowestAt2Ms = timeMs(
                pictureRuns, [] {}, [&] { QPixmap::fromImage(picture.draw(2.0)); });
        }
    }
    // What the window system's icon costs: every size it advertises, as Qt's X11 platform asks
    // while a window is being shown. The first window's icon draws them; every later window
    // shares that icon and its sizes.
    int iconSizes = 0;
    const double iconMs = timeMs(
        pictureRuns, [] {},
        [&] {
            const QIcon icon = quorvel::drawings::programIcon();
            const QList<QSize> sizes = icon.availableSizes();
            iconSizes = int(sizes.size());
            for (const QSize& size : sizes)
                icon.pixmap(size).toImage();
        });
    const double allIconSizesMs = timeMs(
        pictureRuns, [] {},
        [&] {
            for (const int side : {16, 24, 32, 48, 64, 128, 256})
                quorvel::drawings::programIconImage(side);
        });

    // One mineral dose into an empty tube (56 drop positions) against giving water (no drop).
    const int handlerRuns = std::max(runs * 5, 50);
    const auto freshTube = [&] {
        design.Cmd_Button_Click(quorvel::DesignCommand::StartAgain);
        settle();
    };
    const double doseMs =
        timeMs(handlerRuns, freshTube, [&] { design.AddZelcor_Click(quorvel::Mineral::Nitrogen); });
    const double waterMs = timeMs(handlerRuns, freshTube, [&] {
        design.AddZelcor_Click(quorvel::DesignWindow::kWaterButton);
    });
    freshTube();
    PaintCounter designPaints(&design);
    design.AddZelcor_Click(quorvel::Mineral::Nitrogen);
    settle();
    const int dosePaints = designPaints.count;

    // The growth run of a full plant against an activation without a cutting (no growth).
    freshTube();
    design.AddZelcor_Click(quorvel::DesignWindow::kWaterButton);
    for (int mineral = 1; mineral <= 6; ++mineral)
        design.AddZelcor_Click(mineral);
    design.Cmd_Button_Click(quorvel::DesignCommand::AddCutting);
    design.Cmd_Button_Click(quorvel::DesignCommand::SeeResults);
    quorvel::ResultsWindow& results = shell.results();
    settle();
    const double growthMs = timeMs(handlerRuns, settle, [&] { results.Form_Activate(); });
    const double noCuttingMs = timeMs(
        handlerRuns,
        [&] {
            quorvel::ZELCOR1::CuttingAdded = quorvel::kFalse;
            settle();
        },
        [&] { results.Form_Activate(); });
    quorvel::ZELCOR1::CuttingAdded = quorvel::kTrue;
    results.Form_Activate();
    settle();
    PaintCounter stemPaints(results.Stem());
    PaintCounter windowPaints(&results);
    results.Form_Activate();
    settle();

    const int growthStemPaints = stemPaints.count;
    const int growthWindowPaints = windowPaints.count;

    // A full-grown plant on a projector: the window resized to 1920 x 1080, laid out and painted.
    // Two sizes in turn keep both scales' pictures drawn; a new size each time draws them anew.
    const QSize laidOut = results.size();
    const auto resizeAndPaint = [&](QSize size) {
        results.resize(size);
        QCoreApplication::processEvents();
        results.repaint();
    };
    int turn = 0;
    const double resizeMs = timeMs(
        handlerRuns, [] {},
        [&] { resizeAndPaint(++turn % 2 ? QSize(1920, 1080) : QSize(1920, 1079)); });
    int fresh = 0;
    const double freshResizeMs = timeMs(
        handlerRuns, [] {}, [&] { resizeAndPaint(QSize(1920, 1080 - ++fresh)); });
    const double repaintMs = timeMs(
        handlerRuns, [] {}, [&] { results.repaint(); });
    resizeAndPaint(laidOut);

    std::printf(
        "Quorvel benchmarks on the %s platform: medians of %d start-ups, %d handler runs\n\n",
        qPrintable(QGuiApplication::platformName()), runs, handlerRuns);
    std::printf("| %-50s | %-16s | %-34s | %-20s | %-10s |\n", "figure", "measured", "baseline",
                "ratio", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", QByteArray(52, '-').constData(),
                QByteArray(18, '-').constData(), QByteArray(36, '-').constData(),
                QByteArray(22, '-').constData(), QByteArray(12, '-').constData());
    row("start to first painted Design frame", ms(median(designMs)),
        ms(median(sameMs)) + " same content, no pictures", ratioWithSpread(designMs, sameMs),
        "<= 1.05x");
    row("  the same in Chinese (its font registered)", ms(median(chineseMs)),
        ms(median(sameMs)) + " same content, no pictures", ratioWithSpread(chineseMs, sameMs),
        "<= 1.05x");
    row("  Chinese against English", ms(median(chineseMs)), ms(median(designMs)) + " English",
        ratioWithSpread(chineseMs, designMs), "");
    row("  the same, against an empty window", ms(median(designMs)),
        ms(median(emptyMs)) + " empty window", ratioWithSpread(designMs, emptyMs), "");
    row("  the same, against a window with a text", ms(median(designMs)),
        ms(median(textMs)) + " one line of text", ratioWithSpread(designMs, textMs), "");
    row("peak resident memory of the probe", mb(median(designKb)),
        mb(median(sameKb)) + " same content, no pictures",
        "+" + mb(median(designKb) - median(sameKb)), "<= +1 MB");
    row("  the same in Chinese", mb(median(chineseKb)), mb(median(sameKb)) + " same content",
        "+" + mb(median(chineseKb) - median(sameKb)), "<= +1 MB");
    row("  the same, against an empty window", mb(median(designKb)),
        mb(median(emptyKb)) + " empty window", "+" + mb(median(designKb) - median(emptyKb)), "");
    row("  the same, against a window with a text", mb(median(designKb)),
        mb(median(textKb)) + " one line of text", "+" + mb(median(designKb) - median(textKb)), "");
    row("creating the picture store", ms(median(storeMs)),
        ms(median(blankMs)) + " 25 blank pixmaps",
        QString::number(median(storeMs) / std::max(median(blankMs), 1e-6), 'f', 1) + "x", "< 2 ms");
    row("all 25 store pictures at scale 1, drawn again", ms(allAt1Ms),
        ms(blanksAt1Ms) + " 25 blank pixmaps",
        QString::number(allAt1Ms / std::max(blanksAt1Ms, 1e-6), 'f', 1) + "x", "< 5 ms");
    row("  the same at scale 2", ms(allAt2Ms), ms(blanksAt2Ms) + " 25 blank pixmaps",
        QString::number(allAt2Ms / std::max(blanksAt2Ms, 1e-6), 'f', 1) + "x", "< 20 ms");
    row("  the slowest picture at scale 1 and 2", ms(slowestAt1Ms) + ", " + ms(slowestAt2Ms),
        slowestName, "", "reported");
    row("the window icon, every advertised size", ms(allIconSizesMs) + " first",
        ms(iconMs) + " every later window", QString::number(iconSizes) + " sizes", "reported");
    row("  first use of all 25 store pictures, new process", ms(median(allPicturesMs)),
        ms(median(blankMs)) + " 25 blank pixmaps",
        QString::number(median(allPicturesMs) / std::max(median(blankMs), 1e-6), 'f', 1) + "x", "");
    row("  first use of the slowest store picture", ms(median(slowestPictureMs)),
        ms(median(blankMs) / 25) + " one blank pixmap", "", "");
    row("growth run of a full plant (2691 steps)", ms(growthMs),
        ms(noCuttingMs) + " activation, no cutting",
        QString::number(growthMs / std::max(noCuttingMs, 1e-6), 'f', 1) + "x", "< 1 ms");
    row("one mineral dose (56 drop positions)", ms(doseMs), ms(waterMs) + " water, no drop",
        QString::number(doseMs / std::max(waterMs, 1e-6), 'f', 1) + "x", "< 1 ms");
    row("resize to 1920 x 1080: layout and paint", ms(resizeMs),
        ms(repaintMs) + " repaint at that size",
        QString::number(resizeMs / std::max(repaintMs, 1e-6), 'f', 1) + "x", "< 16 ms");
    row("  the same at a scale not drawn before", ms(freshResizeMs), ms(repaintMs) + " repaint",
        QString::number(freshResizeMs / std::max(repaintMs, 1e-6), 'f', 1) + "x", "reported");
    std::printf("\nRepaints after one growth run: stem %d, Results window %d. "
                "After one dose: Design window %d.\n",
                growthStemPaints, growthWindowPaints, dosePaints);
    return 0;
}
