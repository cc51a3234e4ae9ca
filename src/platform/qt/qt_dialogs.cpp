// The dialogs the game asks for: a message, and a line of text to type.
#include <QInputDialog>
#include <QMessageBox>

#include "platform/qt/qt_platform.h"

namespace pv::qt {

namespace {

QString FromWide(const wchar_t* text) {
    return QString::fromWCharArray(text != nullptr ? text : L"");
}

}  // namespace

int QtPlatform::MessageBoxW(HWND /*owner*/, const wchar_t* text, const wchar_t* caption,
                            UINT /*type*/) {
    QMessageBox::information(main_, FromWide(caption), FromWide(text));
    return IDOK;
}

bool QtPlatform::AskTextW(HWND /*owner*/, const wchar_t* caption, const wchar_t* prompt,
                          std::wstring& answer) {
    bool ok = false;
    QString typed = QInputDialog::getText(main_, FromWide(caption), FromWide(prompt),
                                          QLineEdit::Normal, QString::fromStdWString(answer), &ok);
    if (!ok) return false;
    answer = typed.toStdWString();
    return true;
}

}  // namespace pv::qt
