#include "progress/ProblemLog.h"

Q_LOGGING_CATEGORY(lcProblems, "clavora.problems")
