#pragma once

#include "platform/sound.h"

// What becomes of the teacher's recording before it is kept: the silence before and after her
// words cut away, her voice brought to the loudness of every other recording, and no longer
// than a word or a letter needs. Pure functions, so that each rule can be tried on made-up
// samples.
namespace SoundCleanup {

// The longest recording kept; anything after it is cut off.
constexpr double kMaxSeconds = 5.0;
// The loudness of the voiced part of every recording, as the RMS of its samples (about
// -20 dBFS, where the synthetic voice speaks too).
constexpr double kTargetRms = 3300.0;
// No sample louder than this (about -1 dBFS), so that no recording clips.
constexpr int kPeakLimit = 29200;
// The room's hiss is never taken for a voice: a 10 ms frame counts as voiced only above this
// RMS and above a tenth of the loudest frame.
constexpr double kSilenceFloor = 300.0;
// Kept before the first and after the last voiced frame, so that soft beginnings and endings
// ("f", "s") are not clipped.
constexpr double kMarginSeconds = 0.05;

// Without the silence at either end; empty when nothing was heard at all.
Sound trimmed(const Sound& sound);
// Scaled so that its voiced frames have kTargetRms, unless that would take a peak above
// kPeakLimit.
Sound levelled(const Sound& sound);
// At most kMaxSeconds, the cut end faded out so that it does not click.
Sound limited(const Sound& sound);
// All three, in the order a recording needs them.
Sound cleaned(const Sound& raw);

} // namespace SoundCleanup
