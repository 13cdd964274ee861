#include "app/recentfiles.h"

namespace kelmor {

namespace {
const QString kKey = QStringLiteral("recentFiles");
}  // namespace

RecentFiles::RecentFiles() : settings_(std::make_unique<QSettings>()) {}

RecentFiles::RecentFiles(const QString& settingsFile)
    : settings_(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat))
{}

QStringList RecentFiles::paths() const
{
    return settings_->value(kKey).toStringList().mid(0, kKept);
}

void RecentFiles::add(const QString& path)
{
    QStringList paths = this->paths();
    paths.removeAll(path);
    paths.prepend(path);
    store(paths.mid(0, kKept));
}

void RecentFiles::remove(const QString& path)
{
    QStringList paths = this->paths();
    paths.removeAll(path);
    store(paths);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList& paths)
{
    // Every start puts its file in front, where it mostly stands already:
    // the settings file is written (and forced to disk) only for a change.
    if (settings_->contains(kKey) && settings_->value(kKey).toStringList() == paths)
        return;
    settings_->setValue(kKey, paths);
    settings_->sync();
}

}  // namespace kelmor
