#pragma once
// The Problems window's place in the editor: its Window-menu item and tool-bar button, Next and
// Previous Problem (F8, Shift+F8) in the View menu, the problem count in the status line, and
// its place kept between runs in the editor's own settings (kurvex.ini), since the settings
// file's window records are a fixed set.

#include <QObject>

class QAction;
class QLabel;
class QSettings;

namespace kurvex {

class EditorSession;
class MainWindow;
class ProblemsWindow;

class ProblemsTool : public QObject {
  Q_OBJECT

 public:
  ProblemsTool(EditorSession& session, MainWindow& main, QSettings& settings);

  ProblemsWindow& window() { return *window_; }
  QAction& window_action() { return *window_action_; }
  QLabel& status() { return *status_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddActions();
  void Toggle();
  void ShowPoint(int point);
  void RestorePlace();
  void KeepPlace();

  EditorSession& session_;
  MainWindow& main_;
  QSettings& settings_;
  ProblemsWindow* window_ = nullptr;
  QAction* window_action_ = nullptr;
  QLabel* status_ = nullptr;
  bool placed_ = false;
  bool minimised_ = false;
};

}  // namespace kurvex
