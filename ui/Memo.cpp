#include "ui/Memo.h"

namespace ui {

void Memo::setLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    setText(text);
}

}  // namespace ui
