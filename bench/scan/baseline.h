#pragma once
// The scan benchmark's yardstick: what the scan does, with the system's plain calls alone.

namespace vantrel::bench {

// One read of the working folder for patch folders, one search of each for its shape file
// (at most 1024), the scan list written, one search for markers (at most 1025).
void BaselineScan();

// CPU time of this process (user and system) in milliseconds: other work on the machine
// does not count.
double CpuMs();

}  // namespace vantrel::bench
