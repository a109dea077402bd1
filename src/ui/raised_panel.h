#pragma once

#include <QWidget>

namespace quarnel {

// A container with a raised one-pixel bevel and no fill: the window's colour shows through.
class RaisedPanel : public QWidget {
    Q_OBJECT

public:
    explicit RaisedPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quarnel
