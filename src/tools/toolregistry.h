#pragma once

#include <QIcon>
#include <QString>
#include <Qt>
#include <memory>
#include <vector>

#include "tools/tool.h"

namespace kelmor {

// One row a tool: everything the window needs to offer it (the ツール menu,
// the tool bar, the status bar) and the way to make it. A new tool is one
// class and one row here, and its key one row of the key table
// (model/keytable), under its object name.
struct ToolInfo {
    // The action's object name, which tests and the key claims go by.
    const char* objectName;
    // The name as written, the Japanese one: name() shows it translated.
    const char* source;
    QIcon (*icon)();
    std::unique_ptr<Tool> (*make)(ToolContext& context);

    // The name in the window's language.
    QString name() const;
    // What the status bar says while the tool is chosen.
    QString statusText() const;
};

// Every tool, in the order the menu and the tool bar show them; the first
// is the one the editor starts with.
const std::vector<ToolInfo>& toolRegistry();

}  // namespace kelmor
