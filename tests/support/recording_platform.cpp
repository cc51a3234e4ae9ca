#include "support/recording_platform.h"

#include <map>

namespace pv::testing {

std::string RecordingPlatform::Translate(const char* context, const char* text) {
    std::string english = Platform::Translate(context, text);
    return marked ? "<" + english + ">" : english;
}

std::string RecordingPlatform::TranslatePlural(const char* context, const char* text,
                                               const char* one, long n) {
    std::string english = Platform::TranslatePlural(context, text, one, n);
    return marked ? "<" + english + ">" : english;
}

std::string RecordingPlatform::LanguageName(const std::string& code) {
    static const std::map<std::string, std::string> names{{"de", "Deutsch"},
                                                          {"es", "Espa\xC3\xB1ol"},
                                                          {"fr",
                                                           "Fran\xC3\xA7"
                                                           "ais"}};
    auto it = names.find(code);
    return it != names.end() ? it->second : Platform::LanguageName(code);
}

int RecordingPlatform::GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) return screenWidth;
    if (index == SM_CYSCREEN) return screenHeight;
    return 0;
}

std::vector<RECT> RecordingPlatform::Screens() {
    return screens.empty() ? Platform::Screens() : screens;
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

Platform::Bytes RecordingPlatform::ResourceBytes(UINT resource) {
    if (songsMissing || resource < 300 || resource > 346) return {};
    auto it = songs.find(resource);
    if (it == songs.end()) {
        it = songs.emplace(resource, "MThd song " + std::to_string(resource)).first;
    }
    return {it->second.data(), it->second.size()};
}

void RecordingPlatform::Reflect(HWND window, Change what) {
    const Window* w = Find(window);
    reflected.push_back(Reflected{window, what, w != nullptr && w->visible});
}

void RecordingPlatform::StartTimer(HWND /*window*/, UINT id, UINT milliseconds) {
    timersStarted.push_back(id);
    timerIntervals.push_back(milliseconds);
}

int RecordingPlatform::RunMessageBox(HWND /*owner*/, const wchar_t* text,
                                     const wchar_t* /*caption*/, UINT /*type*/) {
    messages.emplace_back(text != nullptr ? text : L"");
    if (whileDialogOpen) whileDialogOpen();
    return IDOK;
}

bool RecordingPlatform::RunTextDialog(HWND /*owner*/, const wchar_t* /*caption*/,
                                      const wchar_t* /*prompt*/, std::wstring& answer) {
    if (whileDialogOpen) whileDialogOpen();
    if (typedAnswers.empty()) return false;
    answer = typedAnswers.front();
    typedAnswers.erase(typedAnswers.begin());
    return true;
}

}  // namespace pv::testing
