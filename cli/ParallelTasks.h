// Runs tasks 0..count-1 on up to `jobs` threads, the calling one included. Each thread has a
// SolveOutcome of its own (large: the step records) to hand to the tasks it takes. The first
// exception a task throws stops the others from taking more and is thrown again here.
#pragma once

#include "Engine.h"

#include <cstddef>
#include <functional>

void RunParallelTasks(std::size_t count, unsigned jobs,
                      const std::function<void(std::size_t task, SolveOutcome& outcome)>& run);
