// The set-the-clock job's command: serves one request and logs the answer.
#pragma once

namespace qc {

// Always 0: a dropped request is no failure of the job.
int cmdSetTimeFromRequest();

}  // namespace qc
