#pragma once

#include <QObject>

#include "model/mapnumber.h"

namespace kelmor {

class MapDocument;
class StatusLine;
class TileSheet;
struct Catalogue;
struct FormControls;

// What the form shows of the document, kept in step by the document's own
// signals: the map's number in Label1 (in a font it fits), the header in
// Text1, and the map in Picture2, a cell or the whole of it at a time.
class MapDisplay : public QObject {
    Q_OBJECT

public:
    MapDisplay(const MapDocument& document, const FormControls& ui, const Catalogue& parts, const TileSheet& sheet,
               StatusLine& status, QObject* parent);

    // The whole map drawn again, and the status line with it.
    void redraw();

private:
    void showMapNo(MapNumber number);
    void showHeader(const QString& header);
    // Keeps the whole number visible in Label1.
    void fitLabel1(const QString& text);

    const MapDocument& document_;
    const FormControls& ui_;
    const Catalogue& parts_;
    const TileSheet& sheet_;
    StatusLine& status_;
};

}  // namespace kelmor
