// The message queue and its dispatch to the window procedure, and the timers that feed it.
#include "platform/platform.h"

#include <algorithm>

namespace pv {

LRESULT Platform::SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = FindMutable(window);
    if (w == nullptr) return 0;
    if (w->windowClass != nullptr) return CallWindowProc(window, message, wParam, lParam);
    return ControlMessage(*w, message, wParam, lParam);
}

LRESULT Platform::SendNotification(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing runs for input that could not be made, not even what waited before it: behind a
    // dialog the game is inside a call of its own.
    if (!CouldMake(window, message, wParam, lParam)) return 0;
    while (!queue_.empty() && Find(window) != nullptr) {
        MSG earlier = queue_.front();
        queue_.pop_front();
        DispatchMessageA(&earlier);
    }
    // What ran first may have hidden or disabled what was clicked (a menu pick made just before
    // the click, both waiting while the program was busy): then it says nothing.
    if (!CouldMake(window, message, wParam, lParam)) return 0;
    return SendMessageA(window, message, wParam, lParam);
}

// A command from a control the user can see and use, or from a menu item the user can pick.
bool Platform::CouldMake(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (message != WM_COMMAND) return true;
    if (lParam != 0) return Usable(static_cast<HWND>(lParam));
    return MenuItemUsable(window, LOWORD(wParam));
}

bool Platform::Usable(HWND control) const {
    const Window* w = Find(control);
    if (w == nullptr) return false;
    for (; w != nullptr; w = w->parent != 0 ? Find(w->parent) : nullptr) {
        if (!w->visible || !w->enabled) return false;
    }
    return true;
}

BOOL Platform::PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != 0 && Find(window) == nullptr) return FALSE;
    queue_.push_back(MSG{window, message, wParam, lParam});
    return TRUE;
}

BOOL Platform::GetMessageA(MSG* message, HWND /*window*/, UINT /*first*/, UINT /*last*/) {
    for (;;) {
        if (PeekMessageA(message)) return message->message == WM_QUIT ? 0 : 1;
        if (!WaitForInput()) return -1;
    }
}

BOOL Platform::PeekMessageA(MSG* message) {
    if (!queue_.empty()) {
        *message = queue_.front();
        queue_.pop_front();
        return TRUE;
    }
    // The quit message comes when nothing else is waiting.
    if (quitPosted_) {
        quitPosted_ = false;
        *message = MSG{0, WM_QUIT, static_cast<WPARAM>(quitCode_), 0};
        return TRUE;
    }
    return FALSE;
}

BOOL Platform::TranslateMessage(const MSG* /*message*/) {
    return FALSE;
}

LRESULT Platform::DispatchMessageA(const MSG* message) {
    if (message == nullptr || message->hwnd == 0) return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

void Platform::PostQuitMessage(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

LRESULT Platform::DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    } else if (message == WM_CLOSE) {
        DestroyWindow(window);
    }
    return 0;
}

UINT Platform::SetTimer(HWND window, UINT id, UINT milliseconds, void* /*callback*/) {
    if (Find(window) == nullptr || id == 0) return 0;
    timers_[id] = window;
    StartTimer(window, id, milliseconds);
    return id;
}

BOOL Platform::KillTimer(HWND window, UINT id) {
    auto it = timers_.find(id);
    if (it == timers_.end() || it->second != window) return FALSE;
    timers_.erase(it);
    StopTimer(window, id);
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                [&](const MSG& m) {
                                    return m.message == WM_TIMER && m.hwnd == window &&
                                           m.wParam == id;
                                }),
                 queue_.end());
    return TRUE;
}

bool Platform::TimerRunning(UINT id) const {
    return timers_.count(id) != 0;
}

void Platform::TimerFired(HWND window, UINT id) {
    if (timers_.count(id) == 0) return;
    // Like the system's timer, at most one tick waits in the queue at a time.
    for (const MSG& m : queue_) {
        if (m.message == WM_TIMER && m.hwnd == window && m.wParam == id) return;
    }
    PostMessageA(window, WM_TIMER, id, 0);
}

LRESULT Platform::CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(window);
    if (w == nullptr) return 0;
    if (w->windowClass == nullptr || w->windowClass->lpfnWndProc == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return w->windowClass->lpfnWndProc(w->windowClass->context, window, message, wParam, lParam);
}

}  // namespace pv
