#pragma once

#include <QFileDialog>
#include <optional>

namespace kelmor {

// The file dialog of ファイル > 開く: a level file, or a game's folder (one
// that holds kelmor.cnf) chosen with Open or typed and Enter; a double
// click still enters a folder.
class LevelFileDialog : public QFileDialog {
    Q_OBJECT

public:
    LevelFileDialog(QWidget* parent, const QString& folder);

    // What was chosen; nothing when the dialog was cancelled.
    std::optional<QString> chosen() const { return chosen_; }

    void accept() override;

private:
    std::optional<QString> chosen_;
};

// Shows the dialog over `over`, starting in `folder`.
std::optional<QString> chooseLevel(QWidget& over, const QString& folder);

}  // namespace kelmor
