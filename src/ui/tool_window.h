#pragma once
// A tool window: a top-level window of its own, with its own caption, owned by the main
// window. Closing it only hides it, unless the program is closing; the main window's Window
// menu follows its visibility.

#include <QWidget>

namespace kurvex {

class EditorSession;

class ToolWindow : public QWidget {
  Q_OBJECT

 public:
  ToolWindow(EditorSession& session, const QString& caption, QWidget* owner);

 signals:
  // Shown or hidden by the program or the user (not by the window system minimising it).
  void visibilityChanged(bool visible);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

  // For the windows' destructors: the boxes lose the focus as the window is taken down, after
  // the window's own part is gone, and nothing they or the session send may reach it then.
  void StopListening();

  EditorSession& session_;
};

}  // namespace kurvex
