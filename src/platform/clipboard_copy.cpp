#include "clipboard_copy.h"

#include "error.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace quarnel {

namespace {

[[noreturn]] void fail(const std::u16string& reason) {
    throw Error(u"Impossible d'ouvrir le Presse-papiers : " + reason);
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

// Whether the X server gives the clipboard to a window of this program. Qt's ownsClipboard()
// says yes as soon as Qt has asked for it, even when the server refused because another
// program took the clipboard after the last event this one handled.
bool x11GaveUsTheClipboard() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return false;
    const ReplyPointer<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, true, 9, "CLIPBOARD"), nullptr));
    if (!atom)
        return false;
    const ReplyPointer<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return false;
    // A client's windows all have ids from the range the server gave that client.
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return (owner->owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

// Whether the clipboard now serves our picture. On X11 only the server knows; platforms
// without ownership (the in-process clipboard of the offscreen platform) keep what they were
// given.
bool holdsOurPicture(const QClipboard& clipboard) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return x11GaveUsTheClipboard();
    if (clipboard.ownsClipboard())
        return true;
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
