#pragma once
// File → Export Preview Image... and Export Model...: the current view as a PNG picture, and
// the course as a Wavefront OBJ model with its material library (and texture pictures when
// textures are loaded), both through the preview's own drawing.

#include <QImage>
#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace kurvex {

class Dialogs;
class EditorSession;

// Where the picture comes from: the view's size in pixels, and the view drawn at a size (a
// null image when it cannot be drawn).
struct PictureSource {
  std::function<QSize()> size;
  std::function<QImage(const QSize& size)> render;
};

class ExportCommands : public QObject {
  Q_OBJECT

 public:
  ExportCommands(EditorSession& session, Dialogs& dialogs, PictureSource pictures, QWidget* window);

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
  PictureSource pictures_;
  QWidget* window_;
};

}  // namespace kurvex
