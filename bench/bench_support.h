// Timing helpers shared by the benchmarks.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace bench {

// Seconds since an arbitrary start, from the performance counter.
double Now();

// The median of the samples (the samples are reordered).
double Median(std::vector<double>& samples);

// Prints one figure line: name, median in milliseconds, the baseline's
// median and their ratio, and whether the ratio meets its target when it
// has one.
void Report(const char* name, double value, const char* baselineName, double baseline,
            std::optional<double> target = std::nullopt);

// Starts an exe (quoted path) and returns its process information.
PROCESS_INFORMATION Start(const std::string& exe, const std::string& arguments = "");
// Ends a process started with Start and closes its handles.
void Stop(PROCESS_INFORMATION& process);

// A top-level window of `processId` with this title, or nullptr.
HWND FindProcessWindow(DWORD processId, const char* title);

}  // namespace bench
