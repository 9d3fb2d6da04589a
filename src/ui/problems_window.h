#pragma once
// The Problems window: what keeps the course from loading in the game (ROM) or in the Expansion
// Kit (EK), grouped by the two, refreshed after every settled step. Activating a problem (a
// double-click, Return) makes its point the current one and brings it into view.

#include <QTreeWidget>
#include <vector>

#include "editing/course_problems.h"
#include "ui/tool_window.h"

namespace kurvex {

class CommandRunner;
struct DocumentChange;

class ProblemsWindow : public ToolWindow {
  Q_OBJECT

 public:
  ProblemsWindow(EditorSession& session, CommandRunner& runner, QWidget* owner);

  const std::vector<CourseProblem>& problems() const { return problems_; }
  QTreeWidget& list() { return *list_; }

  // The next (or previous) problem of the list, wrapping round, made current and its point
  // selected; the window shows if it was hidden.
  void SelectNext(bool backwards);

  QSize sizeHint() const override { return {560, 240}; }

 signals:
  // The list was computed again; the status line shows the count.
  void problemsChanged(const QString& count_text);
  // A problem's point was made current; the preview should show it.
  void pointChosen(int point);

 private:
  void OnDocumentChanged(const DocumentChange& change);
  void Refresh();
  QTreeWidgetItem* AddGroup(const QString& name, ProblemGroup group);
  std::vector<QTreeWidgetItem*> ProblemItems() const;
  void Activate(QTreeWidgetItem* item);

  CommandRunner& runner_;
  QTreeWidget* list_ = nullptr;
  std::vector<CourseProblem> problems_;
  bool stale_ = true;  // the course changed while not settled
};

}  // namespace kurvex
