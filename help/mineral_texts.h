// The Help's words on the minerals that no rule fills in, translated into the pupil's language.
#pragma once

#include "model/experiment_state.h"

#include <QString>
#include <QStringList>

namespace quorvel::help {

// What a real plant uses the mineral for, and how a shortage of it shows.
QString mineralUse(Mineral mineral);
// Where Quorvel's leaf or height for the mineral is not what a real plant shows; empty where
// Quorvel shows what a real plant does.
QString whereQuorvelDiffers(Mineral mineral);
// The heading of the ways the model is simpler than a real plant, and those ways, one a point.
QString simplificationsTitle();
QStringList simplifications();

} // namespace quorvel::help
