// The real program's platform: Qt widgets mirror the window model, Qt's event loop feeds the
// game's message queue.
#pragma once

#include <QIcon>
#include <QObject>

#include <QByteArray>
#include <QCache>
#include <QPixmap>
#include <QString>
#include <QStyle>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "qt/language/translators.h"
#include "qt/paint/zoom.h"
#include "qt/sound/audio.h"
#include "qt/window/widgets.h"

class QMenu;
class QMenuBar;
class QAction;
class QTimer;

namespace pv::qt {

class QtPlatform : public QObject, public Platform {
  public:
    // How many decoded pictures are kept: the memory game's board and the tools together are
    // well under this.
    static constexpr int kDecodedPictures = 96;

    QtPlatform();
    ~QtPlatform() override;

    DWORD GetTickCount() override;
    void GetLocalTime(SYSTEMTIME* time) override;
    int GetSystemMetrics(int index) override;
    BOOL GetWindowRect(HWND window, RECT* rect) override;
    BOOL SystemParametersInfoA(UINT action, UINT param, void* data, UINT winIni) override;
    void SetZoom(int factor) override;
    UINT GetDpiForWindow(HWND window) override;
    int ZoomFactor() const { return zoom_.Factor(); }
    BOOL PlaySoundA(UINT resource, HMODULE module, DWORD flags) override;
    DWORD mciSendStringA(const char* command, char* result, UINT resultSize, HWND notify) override;
    std::string Translate(const char* context, const char* text) override;
    std::string TranslatePlural(const char* context, const char* text, const char* one,
                                long n) override;
    bool SetLanguage(const std::string& code) override;
    std::vector<std::string> Languages() override { return languages_; }
    std::string LanguageName(const std::string& code) override;
    // The language spoken now: "de", "en", "es" or "fr".
    const QString& Language() const { return translators_.Language(); }

    // The widget that stands for a window, or nullptr. A control still waiting to be made
    // (qt_waiting.cpp) is made now.
    QWidget* Widget(HWND window);
    MainWidget* Main() const { return main_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QAction* MenuAction(UINT id);  // builds a bar still waiting for the window to show

    // Called once, when the main window is first shown.
    std::function<void()> onFirstShown;
    // Called after the game changed its language, for the windows the game does not keep.
    std::function<void()> onLanguageChanged;

  protected:
    int RunMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) override;
    bool RunTextDialog(HWND owner, const wchar_t* caption, const wchar_t* prompt,
                       std::wstring& answer) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::vector<RECT> Screens() override;
    Bytes ResourceBytes(UINT resource) override;
    void Reflect(HWND window, Change what) override;
    void ReflectMenu(HMENU menu) override;
    bool WaitForInput() override;
    void StartTimer(HWND window, UINT id, UINT milliseconds) override;
    void StopTimer(HWND window, UINT id) override;

  private:
    PostFn PosterFrom(HWND source);
    void CreateWidget(const Window& w);
    QWidget* CreateControl(const Window& w, QWidget* parent);
    QWidget* Made(HWND window) const;  // the widget, without making a waiting control
    // Controls made before the window first shows wait (qt_waiting.cpp).
    enum class Which { Shown, All };
    void MakeControl(const Window& w);
    void MakeWaitingControls(Which which);
    void MakeIfWaiting(HWND control);
    bool LeftToMaking(const Window& control, Change what);
    void TakeTurn(const Window& control, QWidget* widget);
    void FirstFrameDrawn();
    void BuildMenuBar(HMENU menu);
    void UseDesktopLanguage();
    QString MenuText(const MenuItem& item) const;
    void ReflectItems(const std::vector<MenuItem>& items, bool open);
    void MenuItemsChanged();
    void ZoomDialog(QWidget* dialog) const;
    QAction* AddMenuCommand(QWidget* owner, const MenuItem& item);
    void FillPopup(QMenu* popup, const MenuItem& top);
    void ShowImage(const Window& w);
    void ShowText(const Window& w);
    void ShowList(const Window& w);
    void ShowScroll(const Window& w);
    void ShowFont(const Window& w);
    // The zoom (qt_zoom.cpp): a control's rectangle in the model as drawn, and a widget or a
    // newly built menu bar brought to the factor.
    QRect Zoomed(const Window& w) const;
    void ShowZoom(const Window& w, QWidget* widget);
    void ShowDefaultFont(QWidget* widget);
    void ShowInheritedFont(QWidget* widget) const;
    void ZoomMenus();
    void KeepOnScreen();
    void Destroy(HWND window);
    const QIcon& Icon(UINT resource);
    QIcon WindowIcon(UINT resource);
    QColor BackgroundColour(HWND window) const;
    bool HoldAudio(std::function<void()> request);
    void ReleaseAudio();

    Translators translators_;
    std::vector<std::string> languages_;  // the catalogues built in, read once at start
    std::string desktopLanguage_;
    MainWidget* main_ = nullptr;
    HWND mainHandle_ = 0;
    QMenuBar* menuBar_ = nullptr;
    HeldKeyFilter heldKeys_;  // on the bar's pop-ups
    HMENU shownMenu_ = 0;
    bool menuWanted_ = false;  // the bar waits for the window's first showing
    bool shownOnce_ = false;
    Zoom zoom_;
    std::unique_ptr<QStyle> zoomedStyle_;  // for the controls the style draws at fixed sizes
    std::map<HWND, QWidget*> widgets_;
    std::map<UINT, QAction*> actions_;
    std::map<UINT, QTimer*> timers_;
    std::map<UINT, QIcon> icons_;
    std::shared_ptr<QCache<QString, QPixmap>> decodedPictures_ =
        std::make_shared<QCache<QString, QPixmap>>(kDecodedPictures);
    std::map<UINT, QByteArray> songs_;
    std::unique_ptr<Audio> audio_;
    HWND musicNotify_ = 0;
    // What the game asks of the audio as it starts, run once its first frame is drawn.
    std::vector<std::function<void()>> heldAudio_;
    // Controls not made yet, in the order the game made them.
    std::vector<HWND> waiting_;
};

}  // namespace pv::qt
