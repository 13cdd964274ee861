#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QMenu;
class QWidget;

namespace kelmor {

class MapDocument;

// 編集 > 手放した変更: the edits let go of in the open level file, the newest
// first, each with its map, header and time; choosing one puts it back.
class LetGoMenu : public QObject {
    Q_OBJECT

public:
    LetGoMenu(const MapDocument& document, std::function<void(std::uint64_t id)> putBack, QWidget& window);

    QMenu* menu() const { return menu_; }

private:
    void fill();

    const MapDocument& document_;
    std::function<void(std::uint64_t)> putBack_;
    QMenu* menu_;
};

}  // namespace kelmor
