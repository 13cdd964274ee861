#pragma once

#include <QPointer>
#include <QWidget>

#include "app/asker.h"

namespace kelmor {

// Modal message boxes with no icon, Yes as the default button, titled with
// the application's name as the platform does by default.
class MessageBoxAsker final : public Asker {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    bool askYesNo(const QString& text) override;
    void notify(const QString& text) override;
    std::optional<QString> askText(const QString& prompt) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace kelmor
