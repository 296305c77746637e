// The simulator rewrites its configuration file when it closes, which undoes any change made while it
// runs. Before a write, the guard looks for the simulator's process and, while it runs, asks whether to
// write anyway; once the user says Yes it asks no more in this session.
#pragma once

#include <string>
#include <vector>

class SimulatorGuard {
public:
    // processName: the simulator's executable file name (any case); empty: never asks.
    explicit SimulatorGuard(const std::string& processName);

    // From now on the guard looks for these processes (a file of another simulator is open), unless it
    // was built to never ask. Asked about other simulators, the user is asked again.
    void lookFor(std::vector<std::string> processNames);
    // True when a write to fileName (as the question names it) may go ahead.
    bool allowsWrite(const std::string& fileName);

private:
    std::vector<std::string> processNames_;
    bool asks_;  // false: built with no process, never asks
    bool agreed_ = false;
};

// The ids of the running processes whose executable has this file name (any case).
std::vector<unsigned long> processesNamed(const std::string& exeName);
