// Feeds any bytes to the settings file reader, as the game does after reading the file: it must
// never read out of bounds, and whatever it takes must be a setting the game can use.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/list_box.h"
#include "store/settings_file.h"

namespace {

bool IsFlag(std::uint8_t byte) {
    return byte == 0 || byte == 0xFF;
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pv::GameState g;
    // The lines go into a sorted list, as they do into the game's score store.
    pv::ListBox store(true);
    bool taken =
        pv::ReadSettings(g, std::span<const std::uint8_t>(data, size), [&store](const char* line) {
            Check(std::strlen(line) <= pv::kRecordSize);
            store.Add(line);
        });
    auto lines = static_cast<std::size_t>(store.Count());
    Check(taken || lines == 0);
    Check(g.operation == '+' || g.operation == '-' || g.operation == 'x' || g.operation == 0xF7);
    for (std::uint8_t flag :
         {g.soundOn, g.musicOn, g.randomColours, g.rememberPosition, g.highColour, g.bigTables}) {
        Check(IsFlag(flag));
    }
    Check(g.scoreCount <= pv::kMaxRecords);
    Check(lines <= g.scoreCount);
    if (!IsFlag(size > 54 ? data[54] : 1)) Check(g.windowX == 123 && g.windowY == 123);
    return 0;
}
