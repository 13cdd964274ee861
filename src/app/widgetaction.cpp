#include "app/widgetaction.h"

#include <QAction>
#include <QWidget>

#include "model/keytable.h"

namespace kelmor {

QList<QKeySequence> shortcutsOf(const char* name)
{
    // The table spells keys as people read them; Qt has shorter names for some.
    static const std::pair<QString, QString> kQtNames[] = {{QStringLiteral("Page Up"), QStringLiteral("PgUp")},
                                                           {QStringLiteral("Page Down"), QStringLiteral("PgDown")},
                                                           {QStringLiteral("Escape"), QStringLiteral("Esc")},
                                                           {QStringLiteral("Insert"), QStringLiteral("Ins")},
                                                           {QStringLiteral("Delete"), QStringLiteral("Del")}};
    QList<QKeySequence> shortcuts;
    for (const std::string& key : keysOfAction(name)) {
        QString text = QString::fromStdString(key);
        for (const auto& [table, qt] : kQtNames)
            text.replace(table, qt);
        shortcuts.append(QKeySequence::fromString(text, QKeySequence::PortableText));
    }
    return shortcuts;
}

QAction* widgetAction(QWidget* widget, QObject* owner, const char* name, const QString& text)
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(shortcutsOf(name));
    action->setShortcutContext(Qt::WidgetShortcut);
    widget->addAction(action);
    return action;
}

}  // namespace kelmor
