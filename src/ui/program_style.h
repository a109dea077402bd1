#pragma once

#include <QProxyStyle>

namespace quarnel {

// The desktop's own style, with one difference nobody sees: the menu bar's overflow arrows,
// which a window this wide never shows, are read only when first drawn. Qt reads them when
// the menu bar is built, and reading them loaded every image plugin on the machine, a
// twentieth of the program's start-up.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace quarnel
