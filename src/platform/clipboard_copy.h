#pragma once

class QClipboard;
class QImage;

namespace quarnel {

// Replaces the clipboard's content with the one picture, and nothing else (no text).
// Throws quarnel::Error "Impossible d'ouvrir le Presse-papiers : <reason>" when there is no
// clipboard or the program could not take it; the former content then stays.
void copyImageToClipboard(QClipboard* clipboard, const QImage& image);

} // namespace quarnel
