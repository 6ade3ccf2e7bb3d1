// Benchmarks of start-up, the picture store, the growth run and a mineral dose, each printed beside
// a baseline measured in the same run. Nothing here passes or fails; the targets are for reading.
//
//   quorvel_bench [--runs N]    (run it through tools/bench.sh)
#include "design/design_window.h"
#include "results/results_window.h"
#include "shell/rules/experiment_state.h"
#include "shell/shell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// Runs the probe once and returns what it printed, as name -> value.
std::map<QString, double> probe(const QString& program, const QString& mode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long launched = nowNs();
    process.start(program, {mode, QString::number(launched)});
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

// Counts the paint events that a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

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
    std::printf("| %-44s | %-12s | %-32s | %-9s | %-10s |\n", figure, qPrintable(measured),
                qPrintable(baseline), qPrintable(ratio), target);
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 1 ? 3 : 1) + " ms";
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
    std::vector<double> designMs, emptyMs, textMs, designKb, emptyKb, textKb, storeMs, blankMs,
        allPicturesMs, slowestPictureMs;
    for (int i = 0; i < runs; ++i) {
        auto empty = probe(probeProgram, QStringLiteral("empty"));
        auto text = probe(probeProgram, QStringLiteral("text"));
        auto design = probe(probeProgram, QStringLiteral("design"));
        auto store = probe(probeProgram, QStringLiteral("store"));
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

    const double startRatio = median(designMs) / median(emptyMs);
    std::printf(
        "Quorvel benchmarks on the %s platform: medians of %d start-ups, %d handler runs\n\n",
        qPrintable(QGuiApplication::platformName()), runs, handlerRuns);
    std::printf("| %-44s | %-12s | %-32s | %-9s | %-10s |\n", "figure", "measured", "baseline",
                "ratio", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", QByteArray(46, '-').constData(),
                QByteArray(14, '-').constData(), QByteArray(34, '-').constData(),
                QByteArray(11, '-').constData(), QByteArray(12, '-').constData());
    row("start to first painted Design frame", ms(median(designMs)),
        ms(median(emptyMs)) + " empty window", QString::number(startRatio, 'f', 2) + "x",
        "<= 1.10x");
    row("  the same, against a window with a text", ms(median(designMs)),
        ms(median(textMs)) + " one line of text",
        QString::number(median(designMs) / median(textMs), 'f', 2) + "x", "");
    row("peak resident memory of the probe", mb(median(designKb)),
        mb(median(emptyKb)) + " empty window", "+" + mb(median(designKb) - median(emptyKb)),
        "<= +4 MB");
    row("  the same, against a window with a text", mb(median(designKb)),
        mb(median(textKb)) + " one line of text", "+" + mb(median(designKb) - median(textKb)), "");
    row("creating the picture store", ms(median(storeMs)),
        ms(median(blankMs)) + " 25 blank pixmaps",
        QString::number(median(storeMs) / std::max(median(blankMs), 1e-6), 'f', 1) + "x", "< 2 ms");
    row("  first use of all 25 store pictures", ms(median(allPicturesMs)),
        ms(median(blankMs)) + " 25 blank pixmaps",
        QString::number(median(allPicturesMs) / std::max(median(blankMs), 1e-6), 'f', 1) + "x", "");
    row("  first use of the slowest store picture", ms(median(slowestPictureMs)),
        ms(median(blankMs) / 25) + " one blank pixmap", "", "");
    row("growth run of a full plant (2691 steps)", ms(growthMs),
        ms(noCuttingMs) + " activation, no cutting",
        QString::number(growthMs / std::max(noCuttingMs, 1e-6), 'f', 1) + "x", "< 1 ms");
    row("one mineral dose (56 drop positions)", ms(doseMs), ms(waterMs) + " water, no drop",
        QString::number(doseMs / std::max(waterMs, 1e-6), 'f', 1) + "x", "< 1 ms");
    std::printf("\nRepaints after one growth run: stem %d, Results window %d. "
                "After one dose: Design window %d.\n",
                stemPaints.count, windowPaints.count, dosePaints);
    return 0;
}
