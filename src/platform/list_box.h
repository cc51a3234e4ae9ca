// The lines of a list box. A sorted list box keeps its lines in ascending order of their text
// compared without regard to letter case; an unsorted one keeps them in the order added.
#pragma once

#include <string>
#include <vector>

namespace pv {

class ListBox {
  public:
    explicit ListBox(bool sorted = false) : sorted_(sorted) {}

    // Returns the position the line went to.
    int Add(const std::string& line);
    // Position of the first line equal to text, letter case ignored, or -1.
    int FindExact(const std::string& text) const;
    bool Delete(int position);
    void Clear() { lines_.clear(); }
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string* At(int position) const;
    const std::vector<std::string>& Lines() const { return lines_; }

    // Case-insensitive order of two lines as the sorted list keeps them.
    static int Compare(const std::string& a, const std::string& b);

  private:
    bool sorted_;
    std::vector<std::string> lines_;
};

}  // namespace pv
