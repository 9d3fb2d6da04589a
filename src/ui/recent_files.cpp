#include "ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>

#include "ui/settings_keeper.h"

namespace kurvex {

RecentFiles::RecentFiles(QSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), files_(kRecentFilesOption.Read(settings)) {
  while (files_.size() > kMaxFiles) files_.removeLast();
}

void RecentFiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  files_.removeAll(absolute);
  files_.prepend(absolute);
  while (files_.size() > kMaxFiles) files_.removeLast();
  Store();
}

void RecentFiles::Remove(const QString& path) {
  files_.removeAll(path);
  Store();
}

void RecentFiles::Clear() {
  files_.clear();
  Store();
}

void RecentFiles::Store() {
  kRecentFilesOption.Write(settings_, files_);
  emit changed();
}

}  // namespace kurvex
