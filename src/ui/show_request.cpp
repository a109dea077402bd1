#include "show_request.h"

#include <QWidget>

namespace quarnel {

ShowRequest launchShowRequest() {
    return ShowRequest::Normal;
}

void showMainWindow(QWidget& window, ShowRequest request) {
    switch (request) {
    case ShowRequest::Maximized:
        window.showMaximized();
        break;
    case ShowRequest::MinimizedWithoutActivation:
        // Kept set: the window is mapped later than showMinimized() returns.
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.showMinimized();
        break;
    case ShowRequest::Normal:
        window.show();
        break;
    }
}

} // namespace quarnel
