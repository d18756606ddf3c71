#pragma once

#include <functional>

class QTemporaryDir;

// What every benchmark times the same way.
namespace BenchTiming {

// The median of `runs` timings of `work`, in milliseconds; `prepare` runs
// untimed before each.
double median(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {});

// Lets the refreshes that changes have queued run.
void settle();

// Gives the process its own home, data, configuration and runtime folders
// inside `folder` and the offscreen platform; call before the application
// object is made.
void useFolder(const QTemporaryDir &folder);

} // namespace BenchTiming
