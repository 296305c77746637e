// A list of texts that a reader fills: emptied first, then appended to in order.
#pragma once

#include <string>
#include <vector>

namespace platform {

class StringList {
public:
    virtual ~StringList() = default;
    virtual void clear() = 0;
    virtual void add(const std::string& text) = 0;
    virtual void beginUpdate() {}
    virtual void endUpdate() {}
};

// Brackets a run of changes so that a visual list or tree repaints once, even when one of them throws.
template <class List>
class UpdateScope {
public:
    explicit UpdateScope(List& list) : list_(list) { list_.beginUpdate(); }
    ~UpdateScope() { list_.endUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    List& list_;
};

class VectorStringList : public StringList {
public:
    void clear() override { items.clear(); }
    void add(const std::string& text) override { items.push_back(text); }
    std::vector<std::string> items;
};

}  // namespace platform
