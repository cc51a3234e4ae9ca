// The dialogs: modal, so the window they belong to takes no input while one is open. The window
// hears of it (WM_ENABLE), and nothing in it can be clicked, picked or typed to.
#include "platform/platform.h"

namespace pv {

namespace {

class Modal {
  public:
    Modal(Platform& platform, HWND owner)
        : platform_(platform), owner_(owner), wasDisabled_(platform.EnableWindow(owner, FALSE)) {}
    ~Modal() {
        if (wasDisabled_ == FALSE) platform_.EnableWindow(owner_, TRUE);
    }
    Modal(const Modal&) = delete;
    Modal& operator=(const Modal&) = delete;

  private:
    Platform& platform_;
    HWND owner_;
    BOOL wasDisabled_;
};

}  // namespace

int Platform::MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    Modal modal(*this, owner);
    return RunMessageBox(owner, text, caption, type);
}

bool Platform::AskTextW(HWND owner, const wchar_t* caption, const wchar_t* prompt,
                        std::wstring& answer) {
    Modal modal(*this, owner);
    return RunTextDialog(owner, caption, prompt, answer);
}

}  // namespace pv
