// How the game's fonts, pictures and brushes look on screen.
#include "qt/paint/qt_paint.h"

#include <QApplication>
#include <QCache>
#include <QFontDatabase>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <memory>
#include <utility>

#include "assets/catalogue.h"
#include "qt/qt_platform.h"

namespace pv::qt {

QFont FontFor(const GdiObject& object) {
    if (object.kind == GdiKind::StockFont) {
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    const FontSpec& wanted = object.font;
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                      QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
    // The height is the character cell; the glyphs take about four fifths of it.
    int pixels = std::max(6, wanted.height * 4 / 5);
    font.setPixelSize(pixels);
    font.setWeight(wanted.weight >= 800 ? QFont::Black : QFont::Bold);
    if (wanted.width > 0) {
        // A monospace advance is about 0.6 of the size; stretch toward the asked width, within
        // what stays readable.
        int stretch = wanted.width * 100 * 10 / (pixels * 6);
        font.setStretch(std::clamp(stretch, 75, 125));
    }
    return font;
}

namespace {

// A picture at one or more sizes, each decoded only when first drawn at about that size. A game
// draws a few of its pictures before its first frame and most of them never, nor the larger
// sizes at 1x on an ordinary screen. Which size is drawn, and how, is as for a picture loaded
// whole. Decoded pictures are kept in a cache shared by all, of the ones most recently drawn: more
// than a window ever shows at once, far fewer than a long game goes through.
class LazyPicture : public QIconEngine {
  public:
    using Decoded = QCache<QString, QPixmap>;

    LazyPicture(const QStringList& files, std::shared_ptr<Decoded> decoded)
        : decoded_(std::move(decoded)) {
        for (const QString& file : files) sizes_.push_back({file, QSize(), false});
    }

    QIconEngine* clone() const override { return new LazyPicture(*this); }
    QString key() const override { return QStringLiteral("LazyPicture"); }
    bool isNull() override {
        for (Size& entry : sizes_) {
            if (Read(entry)) return false;
        }
        return true;
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (Size& entry : sizes_) {
            if (Read(entry)) sizes.push_back(entry.size);
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        Size* best = Best(size);
        if (best == nullptr) return {};
        QSize actual = best->size;
        if (actual.width() > size.width() || actual.height() > size.height()) {
            actual.scale(size, Qt::KeepAspectRatio);
        }
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Size* best = Best(size);
        if (best == nullptr) return {};
        QPixmap pixmap;
        if (const QPixmap* decoded = decoded_->object(best->file)) {
            pixmap = *decoded;
        } else {
            // Copied before the cache takes it: the cache may drop it at once.
            pixmap = QPixmap::fromImage(QImageReader(best->file).read());
            decoded_->insert(best->file, new QPixmap(pixmap));
        }
        QSize actual = actualSize(size, mode, state);
        if (pixmap.size() != actual) {
            pixmap = pixmap.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal) {
            QStyleOption option;
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QPaintDevice* device = painter->device();
        qreal ratio = device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

  private:
    struct Size {
        QString file;
        QSize size;  // from the file's header, read once
        bool read;
    };

    static bool Read(Size& entry) {
        if (!entry.read) {
            entry.read = true;
            entry.size = QImageReader(entry.file).size();
        }
        return entry.size.isValid();
    }

    // The smallest size at least as large as asked, else the largest; any when none is asked.
    Size* Best(const QSize& wanted) {
        Size* best = nullptr;
        int area = wanted.width() * wanted.height();
        for (Size& entry : sizes_) {
            if (!Read(entry)) continue;
            // Exactly the size wanted: no other file need even be opened.
            if (entry.size == wanted) return &entry;
            if (best == nullptr) {
                best = &entry;
                continue;
            }
            int a = best->size.width() * best->size.height();
            int b = entry.size.width() * entry.size.height();
            bool bFits = b >= area;
            bool aFits = a >= area;
            if ((bFits && (!aFits || b < a)) || (!bFits && !aFits && b > a)) best = &entry;
        }
        return best;
    }

    std::vector<Size> sizes_;
    std::shared_ptr<Decoded> decoded_;
};

// The embedded files of a picture, one per size from 1x ("500.png") to `largest` times it
// ("500@4x.png"); none when there is no such picture.
QStringList PictureFiles(UINT resource, int largest) {
    std::string file = ResourceFile(resource);
    if (file.empty()) return {};
    QString path = QStringLiteral(":/") + QString::fromStdString(file);
    QStringList files = {path};
    for (int scale = 2; scale <= largest; ++scale) {
        files.push_back(
            QString(path).replace(QStringLiteral(".png"), QStringLiteral("@%1x.png").arg(scale)));
    }
    return files;
}

}  // namespace

// Drawn at every zoom factor, each from its own file.
const QIcon& QtPlatform::Icon(UINT resource) {
    auto it = icons_.find(resource);
    if (it != icons_.end()) return it->second;
    QStringList files = PictureFiles(resource, kLargestZoom);
    QIcon icon = files.isEmpty() ? QIcon() : QIcon(new LazyPicture(files, decodedPictures_));
    return icons_.emplace(resource, icon).first->second;
}

// The window's own icon at the sizes a desktop shows it: some window systems take every size an
// icon has as the window is made, and the zoom's large ones would only slow the start.
QIcon QtPlatform::WindowIcon(UINT resource) {
    QStringList files = PictureFiles(resource, 2);
    return files.isEmpty() ? QIcon() : QIcon(new LazyPicture(files, decodedPictures_));
}

QColor QtPlatform::BackgroundColour(HWND window) const {
    HBRUSH brush = ClassBackground(window);
    const GdiObject* object = FindObject(brush);
    if (object == nullptr || object->kind != GdiKind::Brush) {
        return QColor(128, 128, 128);  // the button-shadow system colour
    }
    COLORREF c = object->colour;
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace pv::qt
