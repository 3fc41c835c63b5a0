#pragma once
// The box a failed job brings up: the outcome line under the lists is easily missed, and a
// failure has to be read.
#include <string>

#include "engine/job_outcome.h"

namespace vantrel {

// For a job that did not do all its work: what failed, why (the system's text for each file
// not in place), what was put back as it was, and what to do next, one paragraph each.
std::string JobFailureMessage(const JobPlan& plan, const JobOutcome& outcome);

}  // namespace vantrel
