// A process named like the simulator (tests/support/fsx.c, built beside the test programs) for as long as
// the object lives.
#pragma once

#include <windows.h>

class RunningSimulator {
public:
    RunningSimulator();
    ~RunningSimulator();
    RunningSimulator(const RunningSimulator&) = delete;
    RunningSimulator& operator=(const RunningSimulator&) = delete;
    // Started, and listed by the system under its name.
    bool started() const { return listed_; }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    bool listed_ = false;
};
