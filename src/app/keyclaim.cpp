#include "app/keyclaim.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <functional>

namespace kelmor {

namespace {

class KeyClaim final : public QObject {
public:
    KeyClaim(QWidget* owner, std::function<bool(const QKeyEvent&)> claims) : QObject(owner), claims_(std::move(claims))
    {
        owner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && claims_(*static_cast<QKeyEvent*>(event))) {
            event->accept();  // the key comes to the control as a key press
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(const QKeyEvent&)> claims_;
};

QKeyCombination combination(const QKeyEvent& event)
{
    return QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(event.key()));
}

}  // namespace

void claimEditingKeys(QWidget* textBox)
{
    new KeyClaim(textBox, [](const QKeyEvent& event) {
        const QKeyCombination keys = combination(event);
        return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
               keys == (Qt::ControlModifier | Qt::Key_Y) ||
               keys == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
    });
}

void claimPagingKeys(QWidget* list)
{
    new KeyClaim(list, [](const QKeyEvent& event) {
        const QKeyCombination keys = combination(event);
        return keys == QKeyCombination(Qt::Key_PageUp) || keys == QKeyCombination(Qt::Key_PageDown);
    });
}

}  // namespace kelmor
