#pragma once

#include <QWidget>

class QAction;
class QLabel;

namespace kelmor {

// Tells that another program changed the level file, offering 再読み込み and
// このまま. It stands in the status bar line, which keeps room for it at all
// times: it comes of its own accord, so its coming and going must move
// nothing a person is about to click. It is never modal.
class ChangeBar final : public QWidget {
    Q_OBJECT

public:
    ChangeBar(QAction* reload, QAction* keep, QWidget* parent = nullptr);

    // Shows `text`, with 再読み込み only when `canReload`, and tells a screen
    // reader; the actions are enabled while it shows.
    void tell(const QString& text, bool canReload);
    void dismiss();
    QLabel* text() const { return text_; }

private:
    QLabel* text_;
    QAction* reload_;
    QAction* keep_;
};

}  // namespace kelmor
