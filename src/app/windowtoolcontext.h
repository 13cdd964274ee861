#pragma once

#include "tools/tool.h"

class QStatusBar;

namespace kelmor {

class Asker;
class EditSession;
class MapDocument;
class MapView;

// What the map's tools reach of the window: a refused code or paste told by
// the asker, the keyboard cursor moved on the view, the clipboard's text,
// and passing words in the status bar.
ToolContext windowToolContext(MapDocument& document, EditSession& session, Asker& asker, MapView& view,
                              QStatusBar& statusBar);

}  // namespace kelmor
