#pragma once

#include <QProxyStyle>

namespace kelmor {

// The platform's style, with the tool bar's overflow arrows drawn here
// rather than read from Qt's picture files: reading those loads every image
// format plug-in, a millisecond and a half of start-up for an arrow that
// shows only when the window is too narrow for its tools.
class WindowStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace kelmor
