#include "game/say_once.h"

#include <iostream>
#include <mutex>
#include <set>

namespace pv {

void SayOnce(const std::string& line) {
    static std::mutex mutex;
    static std::set<std::string> said;
    std::lock_guard<std::mutex> lock(mutex);
    if (said.insert(line).second) std::cerr << "pondivar: " << line << "\n";
}

}  // namespace pv
