#pragma once

#include "platform/RandomGenerator.h"

namespace clavora {

class ExerciseCatalogue;
class ProgressReporter;

// The catalogue's part of the tutor's start-up: make sure the custom catalogue files exist, load
// every catalogue under the reporter, let every practice make its text, and count the drills.
class StartupLoader final
{
public:
    // Returns what ExerciseCatalogue::LoadAll returned.
    static int Run(ExerciseCatalogue& catalogue, ProgressReporter& reporter, RandomGenerator& random);
};

} // namespace clavora
