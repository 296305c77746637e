// Copying a file whole or not at all: the safety copies, Save Copy and Restore from Copy.
#pragma once

#include <string>

// When a failed copy is told to the user: always, or only when the disk is full (the start-up's safety
// copies, which may fail quietly otherwise).
enum class SayWhen { Failed, DiskFull };

// Copies from over to and checks that to then holds exactly from's bytes. On failure to is put back as
// it was (removed when it did not exist), and the user is told why as say asks; false then. With
// onlyIfMissing an existing to is left as it is.
bool copyOrSay(const std::string& from, const std::string& to, bool onlyIfMissing = false,
               SayWhen say = SayWhen::Failed);
