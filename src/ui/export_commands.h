#pragma once
// File → Export Preview Image... and Export Model...: the current view as a PNG picture, and
// the course as a Wavefront OBJ model with its material library (and texture pictures when
// textures are loaded), both through the preview's own drawing.

#include <QObject>
#include <QSize>

class QWidget;

namespace kurvex {

class Dialogs;
class EditorSession;
class PreviewView;

class ExportCommands : public QObject {
  Q_OBJECT

 public:
  ExportCommands(EditorSession& session, Dialogs& dialogs, PreviewView& preview, QWidget* window);

  // Asks for a size (the preview's own by default), then for a file.
  bool ExportImage();
  bool ExportImageOfSize(const QSize& size);
  bool ExportModel();

 signals:
  void status(const QString& text);

 private:
  QString AskForFile(const QString& title, const QString& filter, const QString& extension);

  EditorSession& session_;
  Dialogs& dialogs_;
  PreviewView& preview_;
  QWidget* window_;
};

}  // namespace kurvex
