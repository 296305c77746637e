#include "document/ComparableCopy.h"

#include "platform/Encoding.h"
#include "platform/Paths.h"
#include "platform/StringList.h"
#include "store/FileImage.h"
#include "store/TIniFile.h"

#include <windows.h>

std::optional<std::string> whyNotComparable(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(platform::wide(path).c_str(), GetFileExInfoStandard, &data)) {
        return platform::systemMessage(GetLastError());
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return "It is a folder, not a file";
    unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (size > LargestComparedCopy) {
        return "It holds " + withThousands(size) + " bytes; a copy of at most " + withThousands(LargestComparedCopy) +
               " bytes is compared";
    }
    platform::VectorStringList sections;
    TIniFile(path).listSections(sections);
    if (sections.items.empty()) return "It holds no section of a configuration file";
    return std::nullopt;
}
