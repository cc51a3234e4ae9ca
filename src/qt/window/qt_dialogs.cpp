// The dialogs the game asks for: a message, and a line of text to type.
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "qt/qt_platform.h"

namespace pv::qt {

namespace {

QString FromWide(const wchar_t* text) {
    return QString::fromWCharArray(text != nullptr ? text : L"");
}

// While a dialog is up, the key that asked for it, still held, does not answer it too.
class HeldKeysKeptOut {
  public:
    HeldKeysKeptOut() { QApplication::instance()->installEventFilter(&filter_); }
    ~HeldKeysKeptOut() { QApplication::instance()->removeEventFilter(&filter_); }
    HeldKeysKeptOut(const HeldKeysKeptOut&) = delete;
    HeldKeysKeptOut& operator=(const HeldKeysKeptOut&) = delete;

  private:
    HeldKeyFilter filter_;
};

}  // namespace

// A dialog's text grows with the window it belongs to.
void QtPlatform::ZoomDialog(QWidget* dialog) const {
    if (zoom_.Enlarges()) dialog->setFont(zoom_.ToScreen(QApplication::font(dialog)));
}

int QtPlatform::RunMessageBox(HWND /*owner*/, const wchar_t* text, const wchar_t* caption,
                              UINT /*type*/) {
    QMessageBox box(QMessageBox::Information, FromWide(caption), FromWide(text), QMessageBox::Ok,
                    main_);
    ZoomDialog(&box);
    HeldKeysKeptOut heldKeys;
    box.exec();
    return IDOK;
}

bool QtPlatform::RunTextDialog(HWND /*owner*/, const wchar_t* caption, const wchar_t* prompt,
                               std::wstring& answer) {
    QInputDialog dialog(main_);
    dialog.setWindowTitle(FromWide(caption));
    dialog.setLabelText(FromWide(prompt));
    dialog.setTextValue(QString::fromStdWString(answer));
    ZoomDialog(&dialog);
    HeldKeysKeptOut heldKeys;
    if (dialog.exec() != QDialog::Accepted) return false;
    answer = dialog.textValue().toStdWString();
    return true;
}

}  // namespace pv::qt
