// Sound and music handed to the audio player, held back until the window's first frame; the
// built-in songs' bytes.
#include "qt/qt_platform.h"

#include <QFile>

#include <string>
#include <utility>

#include "assets/catalogue.h"

namespace pv::qt {

BOOL QtPlatform::PlaySoundA(UINT resource, HMODULE /*module*/, DWORD flags) {
    // A sound to wait for plays now; its caller expects to hear it before going on.
    if ((flags & SND_ASYNC) != 0 &&
        HoldAudio([this, resource, flags]() { audio_->PlaySound(resource, flags); })) {
        return TRUE;
    }
    return audio_->PlaySound(resource, flags);
}

DWORD QtPlatform::mciSendStringA(const char* command, char* result, UINT resultSize, HWND notify) {
    if (result != nullptr && resultSize > 0) result[0] = '\0';
    if (command == nullptr || !Audio::Understands(command)) return MCIERR_UNRECOGNIZED_COMMAND;
    std::string text = command;
    auto send = [this, text, notify]() {
        musicNotify_ = notify;
        return audio_->Command(text);
    };
    // Held until the first frame: a failure then shows as a song that is not heard, and a play
    // that cannot start sends its failure notice, as it would now.
    if (HoldAudio(send)) return 0;
    return send();
}

// Opening the sound device takes longer than drawing the whole window, and for music, loading
// the SoundFont several times longer: what the game asks of the audio before its window first
// shows waits until that window's first frame is drawn. Anything asked after the window shows
// comes after the held requests, in order.
bool QtPlatform::HoldAudio(std::function<void()> request) {
    if (main_ != nullptr && !shownOnce_) {
        heldAudio_.push_back(std::move(request));
        return true;
    }
    ReleaseAudio();
    return false;
}

void QtPlatform::ReleaseAudio() {
    std::vector<std::function<void()>> held;
    held.swap(heldAudio_);
    for (auto& request : held) request();
}

Platform::Bytes QtPlatform::ResourceBytes(UINT resource) {
    auto it = songs_.find(resource);
    if (it == songs_.end()) {
        QByteArray bytes;
        if (KindOf(resource) == ResourceKind::Song) {
            QFile file(QStringLiteral(":/") + QString::fromStdString(ResourceFile(resource)));
            if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
        }
        it = songs_.emplace(resource, bytes).first;
    }
    if (it->second.isEmpty()) return {};
    return {it->second.constData(), static_cast<std::size_t>(it->second.size())};
}

}  // namespace pv::qt
