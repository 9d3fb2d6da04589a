#pragma once
// The Graphics Settings window: what the preview draws and in which colours, on three tabs
// (Gridlines, Polygons, Features). Every control writes the session's settings at once and
// tells the preview what the change asks of it; the window shows the settings again whenever
// they change elsewhere (the settings file at start).

#include <functional>
#include <memory>

#include "ui/command_runner.h"
#include "ui/editor_session.h"
#include "ui/tool_window.h"

class QAbstractButton;

namespace Ui {
class GraphicsWindow;
}

namespace kurvex {

class BoundControls;
class Dialogs;

class GraphicsWindow : public ToolWindow {
  Q_OBJECT

 public:
  GraphicsWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);
  ~GraphicsWindow() override;

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BindLines();
  void BindSwitches();
  void BindFeatures();
  void BindNumbers();
  // A check box tied to one switch of the settings.
  void BindSwitch(QAbstractButton* check, bool GraphicsSettings::*field,
                  GraphicsChange change = GraphicsChange::kFrame);
  void Change(const std::function<void(GraphicsSettings&)>& change, GraphicsChange what);

  std::unique_ptr<Ui::GraphicsWindow> ui_;
  CommandRunner runner_;
  // Goes before the form: nothing a box does as the window closes may reach the window.
  std::unique_ptr<BoundControls> controls_;
};

}  // namespace kurvex
