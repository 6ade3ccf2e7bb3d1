// The command buttons' tooltips, kept in one translation context of their own.
#include "help/command_tips.h"

#include "design/design_window.h"
#include "help/help_topics.h"
#include "results/results_window.h"

#include <QCoreApplication>
#include <array>

namespace quorvel::help {

namespace {

// By AddZelcor index: the six minerals, then the water.
constexpr std::array<const char*, DesignWindow::kWaterButton + 1> kFillingTips = {
    "",
    QT_TRANSLATE_NOOP("CommandTips", "Give the plant nitrogen: one drop goes into the tube."),
    QT_TRANSLATE_NOOP("CommandTips", "Give the plant potassium: one drop goes into the tube."),
    QT_TRANSLATE_NOOP("CommandTips", "Give the plant magnesium: one drop goes into the tube."),
    QT_TRANSLATE_NOOP("CommandTips", "Give the plant iron: one drop goes into the tube."),
    QT_TRANSLATE_NOOP("CommandTips", "Give the plant phosphorus: one drop goes into the tube."),
    QT_TRANSLATE_NOOP("CommandTips", "Give the plant calcium: one drop goes into the tube."),
    QT_TRANSLATE_NOOP("CommandTips", "Fill the test tube with water."),
};

// By DesignCommand.
constexpr std::array<const char*, DesignWindow::kCommandCount> kDesignCommandTips = {
    QT_TRANSLATE_NOOP("CommandTips", "See how the plant grows from your experiment."),
    QT_TRANSLATE_NOOP("CommandTips", "End Quorvel. It asks you first."),
    QT_TRANSLATE_NOOP("CommandTips", "Empty the tube and plan a new experiment."),
    QT_TRANSLATE_NOOP("CommandTips",
                      "Put the plant cutting into the tube. Nothing more can go in after it."),
};

// By ResultsCommand.
constexpr std::array<const char*, ResultsWindow::kCommandCount> kResultsCommandTips = {
    QT_TRANSLATE_NOOP("CommandTips", "End Quorvel. It asks you first."),
    QT_TRANSLATE_NOOP("CommandTips",
                      "Move the ruler: click next, where its top should go, to measure the stem."),
    QT_TRANSLATE_NOOP("CommandTips", "Go back and plan a new experiment."),
};

QString tip(const char* text)
{
    return QCoreApplication::translate("CommandTips", text);
}

} // namespace

void setCommandTips(DesignWindow& screen)
{
    for (int i = 1; i <= DesignWindow::kWaterButton; ++i)
        screen.AddZelcor(i)->setToolTip(tip(kFillingTips[std::size_t(i)]));
    for (int i = 0; i < DesignWindow::kCommandCount; ++i)
        screen.Cmd_Button(DesignCommand(i))->setToolTip(tip(kDesignCommandTips[std::size_t(i)]));
}

void setCommandTips(ResultsWindow& screen)
{
    for (int i = 0; i < ResultsWindow::kCommandCount; ++i)
        screen.Cmd_Button(ResultsCommand(i))
            ->setToolTip(tip(kResultsCommandTips[std::size_t(i)]) + QLatin1Char('\n') +
                         notebookHint());
}

} // namespace quorvel::help
