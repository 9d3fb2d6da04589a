#pragma once
// The Graphics Settings window: what the preview draws and in which colours, on three tabs
// (Gridlines, Polygons, Features). Every control writes the session's settings at once and
// tells the preview what the change asks of it; the window refills itself whenever the
// settings change elsewhere (the settings file at start).

#include <functional>
#include <memory>
#include <vector>

#include "ui/editor_session.h"
#include "ui/tool_window.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace Ui {
class GraphicsWindow;
}

namespace kurvex {

class Dialogs;

class GraphicsWindow : public ToolWindow {
  Q_OBJECT

 public:
  GraphicsWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);
  ~GraphicsWindow() override;

  // Sets every control from the session's settings.
  void Refresh();

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct CheckBinding {
    QAbstractButton* box;
    std::function<bool&(GraphicsSettings&)> field;
    GraphicsChange change;
  };
  struct ColourBinding {
    QLineEdit* box;
    QLabel* swatch;
    std::function<Rgb&(GraphicsSettings&)> field;
  };
  struct PercentBinding {
    QLineEdit* box;
    int16_t GraphicsSettings::*field;
  };

  void BindChecks();
  void BindColours();
  void BindNumbers();
  void AddCheck(const char* name, std::function<bool&(GraphicsSettings&)> field,
                GraphicsChange change = GraphicsChange::kFrame);
  void AddColour(const char* box, const char* swatch, std::function<Rgb&(GraphicsSettings&)> field);
  void ColourEdited(const ColourBinding& binding);
  void PercentEdited(const PercentBinding& binding);
  void DistanceEdited();
  void DistanceLeft();
  void SetText(QLineEdit* box, const QString& text);
  void ShowSwatch(const ColourBinding& binding);
  void Changed(GraphicsChange what);

  GraphicsSettings& settings() { return session_.graphics(); }

  std::unique_ptr<Ui::GraphicsWindow> ui_;
  std::vector<CheckBinding> checks_;
  std::vector<ColourBinding> colours_;
  std::vector<PercentBinding> percents_;
  bool updating_ = false;  // the window fills its own controls
  bool telling_ = false;   // the window's own change is being told to the session
};

}  // namespace kurvex
