#pragma once
// The "Recent Files" list: the last eight courses opened or saved, newest first, kept between
// runs in the editor's settings.

#include <QObject>
#include <QStringList>

class QSettings;

namespace kurvex {

class RecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxFiles = 8;

  explicit RecentFiles(QSettings& settings, QObject* parent = nullptr);

  const QStringList& files() const { return files_; }
  void Add(const QString& path);
  void Remove(const QString& path);
  void Clear();

 signals:
  void changed();

 private:
  void Store();

  QSettings& settings_;
  QStringList files_;
};

}  // namespace kurvex
