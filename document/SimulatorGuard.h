// The simulator rewrites its configuration file when it closes, which undoes any change made while it
// runs. Before a write, the guard looks for the simulator's process and, while it runs, asks whether to
// write anyway; once the user says Yes it asks no more in this session.
#pragma once

#include <string>

class SimulatorGuard {
public:
    // processName: the simulator's executable file name (any case); empty: never asks.
    explicit SimulatorGuard(std::string processName) : processName_(std::move(processName)) {}

    // True when the write may go ahead.
    bool allowsWrite();

private:
    std::string processName_;
    bool agreed_ = false;
};

// Whether a process whose executable has this file name (any case) is running.
bool processRunning(const std::string& exeName);
