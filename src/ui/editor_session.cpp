#include "ui/editor_session.h"

namespace kurvex {

EditorSession::EditorSession(QObject* parent)
    : QObject(parent), document_(graphics_.segment_distance) {
  document_listener_ =
      document_.AddListener([this](const DocumentChange& change) { emit documentChanged(change); });
}

EditorSession::~EditorSession() { document_.RemoveListener(document_listener_); }

void EditorSession::TexturesLoaded() {
  textures_loaded_ = true;
  emit texturesChanged();
}

void EditorSession::MoveCamera(const std::function<bool(Camera& camera)>& move, QObject* source) {
  if (move(camera_)) emit cameraChanged(source);
}

void EditorSession::RestoreCamera(const CameraValues& values) {
  camera_.Restore(values);
  emit cameraChanged(nullptr);
}

void EditorSession::ChangeGraphics(const std::function<void(GraphicsSettings& settings)>& change,
                                   GraphicsChange what) {
  change(graphics_);
  if (what == GraphicsChange::kSegmentDistance) {
    document_.SetSegmentDistance(graphics_.segment_distance);
  }
  emit graphicsChanged(what);
}

void EditorSession::KeepGraphics(const std::function<void(GraphicsSettings& settings)>& change) {
  change(graphics_);
}

void EditorSession::SetGraphics(const GraphicsSettings& settings, GraphicsChange what) {
  ChangeGraphics([&](GraphicsSettings& kept) { kept = settings; }, what);
}

void EditorSession::SetInputRom(const QString& path) {
  input_rom_ = path;
  emit romChanged();
}

void EditorSession::SetCourseLoaded() {
  if (course_loaded_) return;
  course_loaded_ = true;
  emit courseLoadedChanged();
}

void EditorSession::SetFilePath(const QString& path) {
  file_path_ = path;
  emit filePathChanged();
}

}  // namespace kurvex
