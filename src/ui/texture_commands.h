#pragma once
// The texture commands of the File menu: Load Textures from ROM (with a wait window that shows
// how far the load is), Load Textures from File and Save Textures. The texture store changes
// only when a whole set was read.

#include <QObject>

class QWidget;

namespace kurvex {

class Dialogs;
class EditorSession;

class TextureCommands : public QObject {
  Q_OBJECT

 public:
  TextureCommands(EditorSession& session, Dialogs& dialogs, QWidget* window);

  bool LoadFromRom();
  bool LoadFromFile();
  bool LoadFromFilePath(const QString& path);
  bool Save();

 signals:
  void status(const QString& text);

 private:
  EditorSession& session_;
  Dialogs& dialogs_;
  QWidget* window_;
};

}  // namespace kurvex
