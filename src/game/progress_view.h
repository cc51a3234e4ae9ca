// Where a player's progress is shown: a window of its own on the answers kept in `folder` for
// the player (UTF-8), drawn from the game's own model of them. The desktop program gives the game
// one as it starts; a game without one (a test's, a probe's) lets the Progress item do nothing.
#pragma once

#include <filesystem>
#include <string>

namespace pv {

struct ProgressView {
    virtual ~ProgressView() = default;
    virtual void ShowProgress(const std::string& player, const std::filesystem::path& folder) = 0;
};

}  // namespace pv
