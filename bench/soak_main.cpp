// A long session's memory: the random pupil drives the real screens through tens of thousands of
// actions while the process's memory is sampled, beside a minimal Qt window put through a
// comparable loop. Figures for reading; nothing fails on a size.
//
//   quorvel_soak [--actions N] [--seed S]    (run it through tools/bench.sh --soak)
//
// Each side runs as a child of its own (--side pupil|minimal), so that each resident size is one
// process's alone, and prints a "sample" line every kEvery actions.
#include "pictures/graphics.h"
#include "tests/random_pupil/random_pupil.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <random>
#include <vector>

// The room Qt's pixmap cache may fill (its styles keep drawn button panels there). Qt 6.8 no
// longer declares its count of what the cache holds, so the room, which the shell sets to none,
// is what every release can report.
#include <QPixmapCache>

namespace {

constexpr int kEvery = 2000;  // actions between samples
constexpr int kWarmUp = 2000; // both screens, Help, resizes and full screen met at least once
constexpr int kLogKept = 200; // the actions a failure reports

struct Sample {
    int actions = 0;
    double residentKb = 0, heapKb = 0, renditionsKb = 0, pixmapCacheKb = 0, widgets = 0;
};

// Taken once the events an action left behind, deferred deletions among them, have run.
void sample(int actions)
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    double residentKb = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                residentKb = line.mid(6).trimmed().split(' ').value(0).toDouble();
    // What the program holds now, as against what the allocator keeps for later.
    const struct mallinfo2 heap = mallinfo2();
    std::printf("sample %d %.0f %.0f %.0f %d %lld\n", actions, residentKb,
                double(heap.uordblks + heap.hblkhd) / 1024.0,
                double(quorvel::Graphics::instance().renditionBytes()) / 1024.0,
                QPixmapCache::cacheLimit(), qint64(QApplication::allWidgets().size()));
    std::fflush(stdout);
}

// The pupil on both screens: every command by mouse, access key and Space, the ruler dragged
// and placed by keyboard, resizes, full screen, Help, moves between screens; each action checked.
int pupilSide(int actions, quint64 seed)
{
    pupil::quietenRepeatedRemarks();
    pupil::RandomPupil pupil(seed);
    pupil.keepLastActions(kLogKept);
    std::printf("laid-out %d %d\n", pupil.laidOut().width(), pupil.laidOut().height());
    sample(0);
    QString failed;
    for (int done = 0; done < actions && failed.isEmpty(); done += kEvery) {
        failed = pupil.play(kEvery);
        if (failed.isEmpty())
            sample(done + kEvery);
    }
    std::printf("tally %s\n", qPrintable(pupil.tally()));
    if (failed.isEmpty())
        failed = pupil.quit();
    if (failed.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(failed));
    return 1;
}

// An empty QWidget window of the Design screen's size through the same kinds of action about as
// often as the pupil does them: clicks, keys and pointer moves, hiding and showing (a switch of
// screens), resizes from half to twice its size, full screen and back, moves between screens,
// and a look at the screen.
int minimalSide(int actions, quint64 seed, QSize laidOut)
{
    std::mt19937_64 rng(seed);
    const auto below = [&rng](int n) { return int(rng() % std::uint64_t(n)); };
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(laidOut);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    sample(0);
    const QList<QScreen*> screens = QGuiApplication::screens();
    bool moved = false; // as the pupil: after a move between screens, resizes instead of F11
    for (int done = 1; done <= actions; ++done) {
        QCoreApplication::processEvents();
        const QPoint p(below(window.width()), below(window.height()));
        const int roll = below(1000);
        const bool full = window.isFullScreen();
        if (roll < 500) {
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, p);
        } else if (roll < 700) {
            QTest::mouseMove(window.windowHandle(), p);
        } else if (roll < 930) {
            QTest::keyClick(&window, Qt::Key(Qt::Key_A + below(26)));
        } else if (roll < 960) {
            window.hide();
            window.show();
        } else if (roll < 970 && !full) {
            QScreen* next = screens[below(int(screens.size()))];
            window.windowHandle()->setScreen(next);
            window.move(next->geometry().center() - window.rect().center());
            moved = true;
        } else if (roll < 973) {
            window.grab();
        } else if ((roll < 983 || (roll < 988 && moved)) && !full) {
            window.resize(laidOut.width() / 2 + below(laidOut.width() * 3 / 2),
                          laidOut.height() / 2 + below(laidOut.height() * 3 / 2));
        } else if (roll < 988) {
            full ? window.showNormal() : window.showFullScreen();
        }
        QCoreApplication::processEvents();
        if (done % kEvery == 0)
            sample(done);
    }
    return 0;
}

struct Side {
    std::vector<Sample> samples;
    QString platform, tally;
    QSize laidOut;
    double seconds = 0;
    bool ended = false; // every action done and every check held
};

Side runSide(const QString& side, int actions, quint64 seed, QSize laidOut = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--side"), side, QStringLiteral("--actions"),
                   QString::number(actions), QStringLiteral("--seed"), QString::number(seed),
                   QStringLiteral("--size"),
                   QStringLiteral("%1x%2").arg(laidOut.width()).arg(laidOut.height())});
    process.waitForFinished(-1);
    Side result;
    result.seconds = double(clock.elapsed()) / 1000.0;
    result.ended = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f[0] == "sample" && f.size() == 7)
            result.samples.push_back({f[1].toInt(), f[2].toDouble(), f[3].toDouble(),
                                      f[4].toDouble(), f[5].toDouble(), f[6].toDouble()});
        else if (f[0] == "laid-out" && f.size() == 3)
            result.laidOut = QSize(f[1].toInt(), f[2].toInt());
        else if (f[0] == "platform")
            result.platform = QString::fromUtf8(f.value(1));
        else if (f[0] == "tally")
            result.tally = QString::fromUtf8(line.mid(6));
    }
    return result;
}

// Least squares over the samples from warm-up on: the change of one figure per 1,000 actions,
// and twice its standard error, which a slope within noise does not exceed.
QString slope(const std::vector<Sample>& samples, double Sample::*figure, double unit,
              const char* unitName)
{
    std::vector<std::pair<double, double>> points;
    for (const Sample& s : samples)
        if (s.actions >= kWarmUp)
            points.emplace_back(s.actions / 1000.0, s.*figure / unit);
    const double n = double(points.size());
    if (n < 3)
        return QStringLiteral("-");
    double mx = 0, my = 0;
    for (const auto& [x, y] : points) {
        mx += x / n;
        my += y / n;
    }
    double sxx = 0, sxy = 0;
    for (const auto& [x, y] : points) {
        sxx += (x - mx) * (x - mx);
        sxy += (x - mx) * (y - my);
    }
    const double b = sxy / sxx;
    double residuals = 0;
    for (const auto& [x, y] : points)
        residuals += std::pow(y - my - b * (x - mx), 2);
    const double error = std::sqrt(residuals / (n - 2) / sxx);
    return QStringLiteral("%1%2 ± %3%4")
        .arg(b >= 0 ? "+" : "")
        .arg(b, 0, 'f', 2)
        .arg(2 * error, 0, 'f', 2)
        .arg(QLatin1String(unitName));
}

QString mb(double kb)
{
    return QString::number(kb / 1024.0, 'f', 1) + " MB";
}

void row(const QStringList& cells)
{
    static constexpr int widths[] = {23, 16, 16, 16, 16, 12, 16, 16};
    QByteArray line = "|";
    for (int i = 0; i < cells.size(); ++i)
        line += ' ' + cells[i].leftJustified(widths[i]).toUtf8() + " |";
    std::printf("%s\n", line.constData());
}

int report(const Side& program, const Side& minimal, int actions, quint64 seed)
{
    std::printf("Memory over a long session on the %s platform: the random pupil (seed %llu) and "
                "an empty QWidget window, %d actions each, sampled every %d\n\n",
                qPrintable(program.platform), seed, actions, kEvery);
    row({"after actions", "Quorvel resident", "its heap in use", "its pictures'", "Qt's pixmap",
         "widgets", "minimal window", "its heap in use"});
    row({"", "", "", "renditions", "cache room", "", "resident", ""});
    std::printf("|%s|\n", QByteArray(158, '-').constData());
    const std::size_t count = std::min(program.samples.size(), minimal.samples.size());
    for (std::size_t i = 0; i < count; ++i) {
        const Sample& p = program.samples[i];
        const Sample& m = minimal.samples[i];
        const QString when = p.actions == 0 ? QStringLiteral("0 (start)")
                             : p.actions == kWarmUp
                                 ? QStringLiteral("%1 (warmed up)").arg(p.actions)
                                 : QString::number(p.actions);
        row({when, mb(p.residentKb), mb(p.heapKb), mb(p.renditionsKb), mb(p.pixmapCacheKb),
             QString::number(p.widgets), mb(m.residentKb), mb(m.heapKb)});
    }
    const auto& ps = program.samples;
    const auto& ms = minimal.samples;
    row({"per 1,000 after warm-up", slope(ps, &Sample::residentKb, 1024, " MB"),
         slope(ps, &Sample::heapKb, 1024, " MB"), slope(ps, &Sample::renditionsKb, 1024, " MB"),
         slope(ps, &Sample::pixmapCacheKb, 1024, " MB"), slope(ps, &Sample::widgets, 1, ""),
         slope(ms, &Sample::residentKb, 1024, " MB"), slope(ms, &Sample::heapKb, 1024, " MB")});
    // Resident after warm-up, on average, and at the end.
    const auto mean = [](const std::vector<Sample>& samples, std::size_t count) {
        double sum = 0;
        int n = 0;
        for (std::size_t i = 0; i < count; ++i)
            if (samples[i].actions >= kWarmUp) {
                sum += samples[i].residentKb;
                ++n;
            }
        return n > 0 ? sum / n : 0.0;
    };
    if (count > 0)
        std::printf("\nResident against the minimal window's: %.2fx on average after warm-up "
                    "(%s against %s), %.2fx at the end. A slope is least squares over the "
                    "samples from warm-up on, ± twice its standard error.\n",
                    mean(ps, count) / std::max(mean(ms, count), 1.0),
                    qPrintable(mb(mean(ps, count))), qPrintable(mb(mean(ms, count))),
                    ps[count - 1].residentKb / std::max(ms[count - 1].residentKb, 1.0));
    std::printf("%s\nMinimal window: %.1f s.\n", qPrintable(program.tally), minimal.seconds);
    if (program.ended && minimal.ended)
        return 0;
    std::printf("A side stopped early (the pupil %s, the minimal window %s): see above.\n",
                program.ended ? "ended" : "stopped", minimal.ended ? "ended" : "stopped");
    return 1;
}

QString option(const QStringList& args, const QString& name, const QString& otherwise)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : otherwise;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // Whole rounds between samples.
    const int asked = option(args, QStringLiteral("--actions"), QStringLiteral("20000")).toInt();
    const int actions = (std::max(asked, kWarmUp + kEvery) + kEvery - 1) / kEvery * kEvery;
    const quint64 seed = option(args, QStringLiteral("--seed"), QStringLiteral("1")).toULongLong();
    const QString side = option(args, QStringLiteral("--side"), QString());
    if (side.isEmpty()) {
        QCoreApplication app(argc, argv);
        const Side program = runSide(QStringLiteral("pupil"), actions, seed);
        const Side minimal = runSide(QStringLiteral("minimal"), actions, seed, program.laidOut);
        return report(program, minimal, actions, seed);
    }
    // Both sides on the same screens.
    pupil::askForTwoScreens(argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    if (side == QLatin1String("pupil"))
        return pupilSide(actions, seed);
    const QStringList size = option(args, QStringLiteral("--size"), QString()).split(u'x');
    return minimalSide(actions, seed, QSize(size.value(0).toInt(), size.value(1).toInt()));
}
