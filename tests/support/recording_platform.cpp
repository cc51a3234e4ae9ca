#include "support/recording_platform.h"

namespace pv::testing {

int RecordingPlatform::GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) return screenWidth;
    if (index == SM_CYSCREEN) return screenHeight;
    return 0;
}

BOOL RecordingPlatform::PlaySoundA(UINT resource, HMODULE /*module*/, DWORD flags) {
    sounds.push_back(SoundPlayed{resource, flags});
    return TRUE;
}

DWORD RecordingPlatform::mciSendStringA(const char* command, char* /*result*/, UINT /*resultSize*/,
                                        HWND /*notify*/) {
    mciCommands.emplace_back(command != nullptr ? command : "");
    return 0;
}

void RecordingPlatform::Reflect(HWND window, Change what) {
    const Window* w = Find(window);
    reflected.push_back(Reflected{window, what, w != nullptr && w->visible});
}

void RecordingPlatform::StartTimer(HWND /*window*/, UINT id, UINT milliseconds) {
    timersStarted.push_back(id);
    timerIntervals.push_back(milliseconds);
}

}  // namespace pv::testing
