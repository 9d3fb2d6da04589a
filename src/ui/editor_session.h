#pragma once
// The state of one editing session, owned by the application and handed to every window by
// reference: the document, the texture store, the camera, the graphics settings, the input
// ROM and the session's flags. Windows hear of changes through its signals and never call each
// other to refresh.

#include <QObject>
#include <QString>
#include <functional>

#include "editing/course_document.h"
#include "preview/camera.h"
#include "preview/graphics_settings.h"
#include "rom/texture_store.h"

namespace kurvex {

// What a change of the graphics settings asks of the preview.
enum class GraphicsChange {
  kFrame,            // only the next frame draws differently
  kFeatureLists,     // the zone and plate lists are built again
  kFiltering,        // the whole GL state is made again (textures with the new filter)
  kSegmentDistance,  // the course is prepared again and every list rebuilt
};

class EditorSession : public QObject {
  Q_OBJECT

 public:
  explicit EditorSession(QObject* parent = nullptr);
  ~EditorSession() override;

  CourseDocument& document() { return document_; }
  const CourseDocument& document() const { return document_; }

  TextureStore& textures() { return textures_; }
  bool textures_loaded() const { return textures_loaded_; }
  // The store now holds a full set.
  void TexturesLoaded();

  // The camera changes only here, so that every view of it (the Camera window, the preview)
  // hears of it; `source` is the view that moved it, which needs no telling.
  const Camera& camera() const { return camera_; }
  // `move` answers whether it moved the camera; only a move is told.
  void MoveCamera(const std::function<bool(Camera& camera)>& move, QObject* source = nullptr);
  void RestoreCamera(const CameraValues& values);

  // The graphics settings change only here; the preview hears what the change asks of it.
  const GraphicsSettings& graphics() const { return graphics_; }
  void ChangeGraphics(const std::function<void(GraphicsSettings& settings)>& change,
                      GraphicsChange what);
  // A change kept without telling anyone yet: the segment distance while it is typed, told
  // when the box is left.
  void KeepGraphics(const std::function<void(GraphicsSettings& settings)>& change);
  void SetGraphics(const GraphicsSettings& settings, GraphicsChange what);

  const QString& input_rom() const { return input_rom_; }
  bool rom_loaded() const { return !input_rom_.isEmpty(); }
  void SetInputRom(const QString& path);

  // Set once a course exists (new, opened, or loaded from a ROM).
  bool course_loaded() const { return course_loaded_; }
  void SetCourseLoaded();

  // The file the course was last opened from or saved to; empty for none.
  const QString& file_path() const { return file_path_; }
  void SetFilePath(const QString& path);

  // The slot the Load Course dialog shows next time (1..24) and the slot the course came from
  // (0 when it did not come from a ROM).
  int last_load_slot() const { return last_load_slot_; }
  void SetLastLoadSlot(int slot) { last_load_slot_ = slot; }
  int course_slot() const { return course_slot_; }
  void SetCourseSlot(int slot) { course_slot_ = slot; }

  // While the program is closing, tool windows close for real instead of hiding.
  bool closing() const { return closing_; }
  void SetClosing() { closing_ = true; }

  // A command has finished: the preview's animation restarts from here.
  void Reanimate() { emit reanimate(); }

 signals:
  void documentChanged(const kurvex::DocumentChange& change);
  void cameraChanged(QObject* source);
  void graphicsChanged(kurvex::GraphicsChange what);
  void romChanged();
  void texturesChanged();
  void courseLoadedChanged();
  void filePathChanged();
  void reanimate();

 private:
  GraphicsSettings graphics_;  // first: the document starts at its segment distance
  CourseDocument document_;
  int document_listener_ = 0;
  TextureStore textures_;
  bool textures_loaded_ = false;
  Camera camera_;
  QString input_rom_;
  bool course_loaded_ = false;
  QString file_path_;
  int last_load_slot_ = 1;
  int course_slot_ = 0;
  bool closing_ = false;
};

}  // namespace kurvex
