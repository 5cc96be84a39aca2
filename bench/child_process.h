// Runs a program with standard input and output redirected to files and
// reports its wall time, exit status and peak resident memory.
#pragma once

#include <string>
#include <vector>

struct ChildRun {
    double wallSeconds = 0;
    int exitStatus = -1;
    long peakResidentKiB = 0;  // ru_maxrss of the child
};

// `inputPath` and `outputPath` may be empty: the child keeps the
// benchmark's own streams.
ChildRun runChild(const std::vector<std::string>& argv, const std::string& inputPath, const std::string& outputPath);
