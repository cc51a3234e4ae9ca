#include "platform/list_box.h"

#include <algorithm>
#include <cstdint>

#include "platform/text.h"

namespace pv {

namespace {

std::uint8_t Folded(char c) {
    char one[2] = {c, '\0'};
    CharUpperA(one);
    return static_cast<std::uint8_t>(one[0]);
}

}  // namespace

int ListBox::Compare(const std::string& a, const std::string& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t x = Folded(a[i]);
        std::uint8_t y = Folded(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int ListBox::Add(const std::string& line) {
    auto at = lines_.end();
    if (sorted_) {
        // After any equal lines, so that lines added later among equals stay later.
        at = std::upper_bound(
            lines_.begin(), lines_.end(), line,
            [](const std::string& x, const std::string& y) { return Compare(x, y) < 0; });
    }
    auto inserted = lines_.insert(at, line);
    return static_cast<int>(inserted - lines_.begin());
}

int ListBox::FindExact(const std::string& text) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (Compare(lines_[i], text) == 0) return static_cast<int>(i);
    }
    return -1;
}

bool ListBox::Delete(int position) {
    if (position < 0 || position >= Count()) return false;
    lines_.erase(lines_.begin() + position);
    return true;
}

const std::string* ListBox::At(int position) const {
    if (position < 0 || position >= Count()) return nullptr;
    return &lines_[static_cast<std::size_t>(position)];
}

}  // namespace pv
