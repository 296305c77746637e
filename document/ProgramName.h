// The program's name: the settings section and the caption of its own message boxes.
#pragma once

inline constexpr const char* ProgramName = "Brimlow";
