#include "content/StartupLoader.h"

#include "content/ExerciseCatalogue.h"

namespace clavora {

int StartupLoader::Run(ExerciseCatalogue& catalogue, ProgressReporter& reporter, RandomGenerator& random)
{
    catalogue.EnsureCustomFiles();
    const int status = catalogue.LoadAll(reporter);
    catalogue.GeneratePracticeTexts(random);
    catalogue.CountGeneratedPractices();
    return status;
}

} // namespace clavora
