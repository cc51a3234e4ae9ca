// An in-memory platform for tests: it keeps every window's state (in the shared model) and
// records what the game asked for, so tests can read it back.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/progress_view.h"
#include "platform/platform.h"
#include "support/faulty_file_system.h"

namespace pv::testing {

struct Reflected {
    HWND window;
    Change what;
    bool visible;  // the window's visibility after the change
};

struct SoundPlayed {
    UINT resource;
    DWORD flags;
};

class RecordingPlatform : public Platform {
  public:
    DWORD GetTickCount() override { return ticks; }
    void GetLocalTime(SYSTEMTIME* time) override { *time = today; }
    FileSystem& Files() override { return files; }
    UINT GetDpiForWindow(HWND window) override { return Find(window) != nullptr ? dpi : 0; }
    int GetSystemMetrics(int index) override;
    BOOL PlaySoundA(UINT resource, HMODULE module, DWORD flags) override;
    DWORD mciSendStringA(const char* command, char* result, UINT resultSize, HWND notify) override;
    void SetZoom(int factor) override { zooms.push_back(factor); }
    // A pseudo-language while `marked` is set: every text comes back between '<' and '>', so a
    // test sees which texts went through the translation.
    std::string Translate(const char* context, const char* text) override;
    std::string TranslatePlural(const char* context, const char* text, const char* one,
                                long n) override;
    bool SetLanguage(const std::string& code) override {
        languages.push_back(code);
        return true;
    }
    std::vector<std::string> Languages() override { return spoken; }
    std::string LanguageName(const std::string& code) override;
    // A control's click, as the real controls send it.
    using Platform::SendNotification;

    // The bytes of each song, made up on first use; a test may replace or remove them.
    std::map<UINT, std::string> songs;
    bool songsMissing = false;

    DWORD ticks = 0;
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    SYSTEMTIME today{2026, 12, 2, 8, 9, 30, 0, 0};
    FaultyFileSystem files;                  // the real files, until a test makes a call fail
    std::vector<std::wstring> typedAnswers;  // for AskTextW, first first
    std::vector<std::wstring> messages;      // what MessageBoxW showed
    std::function<void()> whileDialogOpen;   // what the user does before answering a dialog
    int screenWidth = 1024;
    int screenHeight = 768;
    // The screens, primary first; empty means one screen of screenWidth x screenHeight.
    std::vector<RECT> screens;
    std::vector<Reflected> reflected;
    std::vector<SoundPlayed> sounds;
    std::vector<std::string> mciCommands;
    std::vector<UINT> timersStarted;
    std::vector<UINT> timerIntervals;
    std::vector<int> zooms;  // every factor the game set, in order
    bool marked = false;
    std::vector<std::string> languages;  // every language the game asked for, in order
    std::vector<std::string> spoken{"de", "en", "es", "fr"};  // the catalogues "built in"

  protected:
    int RunMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) override;
    // Answers the next typed answer, or cancels when none is left.
    bool RunTextDialog(HWND owner, const wchar_t* caption, const wchar_t* prompt,
                       std::wstring& answer) override;
    std::vector<RECT> Screens() override;
    Bytes ResourceBytes(UINT resource) override;
    void Reflect(HWND window, Change what) override;
    void ReflectMenu(HMENU /*menu*/) override {}
    bool WaitForInput() override { return false; }
    void StartTimer(HWND /*window*/, UINT id, UINT milliseconds) override;
    void StopTimer(HWND /*window*/, UINT /*id*/) override {}
};

// Records every player's progress the game asked to show, with the folder it is read from.
struct RecordingProgressView : ProgressView {
    void ShowProgress(const std::string& player, const std::filesystem::path& folder) override {
        shown.emplace_back(player, folder);
    }
    std::vector<std::pair<std::string, std::filesystem::path>> shown;
};

}  // namespace pv::testing
