#include "clipboard_copy.h"

#include "error.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace quarnel {

namespace {

[[noreturn]] void fail(const std::u16string& reason) {
    throw Error(u"Impossible d'ouvrir le Presse-papiers : " + reason);
}

// Whether the clipboard now serves our picture. On X11 another program's content is read
// through the same interface, so only ownership tells; platforms without ownership (the
// in-process clipboard of the offscreen platform) keep what they were given.
bool holdsOurPicture(const QClipboard& clipboard) {
    if (clipboard.ownsClipboard())
        return true;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return false;
    const QMimeData* content = clipboard.mimeData();
    return content != nullptr && content->hasImage();
}

} // namespace

void copyImageToClipboard(QClipboard* clipboard, const QImage& image) {
    if (clipboard == nullptr)
        fail(u"aucun Presse-papiers n'est disponible");
    clipboard->setImage(image, QClipboard::Clipboard);
    if (!holdsOurPicture(*clipboard))
        fail(u"le système de fenêtres n'a pas donné le Presse-papiers au programme");
}

} // namespace quarnel
