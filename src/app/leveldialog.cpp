#include "app/leveldialog.h"

#include <QDir>
#include <QFileInfo>

#include "levelfile/savelevel.h"

namespace kelmor {

LevelFileDialog::LevelFileDialog(QWidget* parent, const QString& folder)
    : QFileDialog(parent, tr("レベルファイルを開く"), folder, tr("レベルファイル (*.cnf);;すべてのファイル (*)"))
{
    setObjectName(QStringLiteral("openDialog"));
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog everywhere, so that a folder can be chosen as a file is.
    setOption(QFileDialog::DontUseNativeDialog);
}

void LevelFileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.size() == 1) {
        const QFileInfo info(files.first());
        if (info.isDir() &&
            QFileInfo::exists(QDir(info.absoluteFilePath()).filePath(QString::fromLatin1(kLevelFileName)))) {
            chosen_ = info.absoluteFilePath();
            QDialog::accept();
            return;
        }
    }
    // A file, or a folder to enter.
    QFileDialog::accept();
    if (result() == QDialog::Accepted && !selectedFiles().isEmpty())
        chosen_ = selectedFiles().first();
}

std::optional<QString> chooseLevel(QWidget& over, const QString& folder)
{
    LevelFileDialog dialog(&over, folder);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

}  // namespace kelmor
