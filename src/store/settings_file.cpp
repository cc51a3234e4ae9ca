#include "store/settings_file.h"

namespace pv {

// The settings file comes with its own issue; until then every run starts from the defaults.
void LoadSettingsFile(Game& /*g*/) {}
void SaveFile(Game& /*g*/, HWND /*window*/) {}

}  // namespace pv
