#include "editor/ConfigDocument.h"

bool ConfigDocument::writeValue(const std::string& section, const std::string& key, const std::string& value) {
    if (!guard_.allowsWrite()) return false;
    iniFile_->writeValue(section, key, value);
    return true;
}

bool ConfigDocument::removeKey(const std::string& section, const std::string& key) {
    if (!guard_.allowsWrite()) return false;
    iniFile_->removeKey(section, key);
    return true;
}

bool ConfigDocument::removeSection(const std::string& section) {
    if (!guard_.allowsWrite()) return false;
    iniFile_->removeSection(section);
    return true;
}
