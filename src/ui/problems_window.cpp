#include "ui/problems_window.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "editing/document_change.h"
#include "ui/command_runner.h"
#include "ui/editor_session.h"

namespace kurvex {

namespace {

constexpr int kPointRole = Qt::UserRole;
constexpr int kRuleRole = Qt::UserRole + 1;

QString GroupText(ProblemGroup group, int count) {
  const QString name = group == ProblemGroup::kRom ? ProblemsWindow::tr("ROM (the game)")
                                                   : ProblemsWindow::tr("EK (Expansion Kit)");
  return count == 1 ? ProblemsWindow::tr("%1: 1 problem").arg(name)
                    : ProblemsWindow::tr("%1: %2 problems").arg(name).arg(count);
}

}  // namespace

ProblemsWindow::ProblemsWindow(EditorSession& session, CommandRunner& runner, QWidget* owner)
    : ToolWindow(session, tr("Problems"), owner), runner_(runner) {
  setObjectName(QStringLiteral("frmProblems"));
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("lstProblems"));
  list_->setColumnCount(3);
  list_->setHeaderLabels({tr("Point"), tr("Rule"), tr("Problem")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(list_);
  // itemActivated covers a double-click and Return.
  connect(list_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { runner_.Run([this, item] { Activate(item); }); });
  connect(&session_, &EditorSession::documentChanged, this, &ProblemsWindow::OnDocumentChanged);
  Refresh();
}

void ProblemsWindow::OnDocumentChanged(const DocumentChange& change) {
  if (change.replaced || change.course || change.options) stale_ = true;
  // A drag or a box being typed in changes the course many times a second; the list follows
  // the step once it has settled.
  if (stale_ && change.settled) Refresh();
}

void ProblemsWindow::Refresh() {
  stale_ = false;
  const CourseDocument& document = session_.document();
  problems_ = CourseProblems(document.course(), document.prepared());
  // Keep the place in the list across a refresh, by rule and point.
  const QTreeWidgetItem* current = list_->currentItem();
  const QVariant kept_point = current ? current->data(0, kPointRole) : QVariant();
  const QVariant kept_rule = current ? current->data(0, kRuleRole) : QVariant();
  list_->clear();
  QTreeWidgetItem* restored = nullptr;
  for (const ProblemGroup group : {ProblemGroup::kRom, ProblemGroup::kEk}) {
    QTreeWidgetItem* parent = AddGroup(QString(), group);
    int count = 0;
    for (const CourseProblem& problem : problems_) {
      if (problem.group != group) continue;
      ++count;
      auto* item = new QTreeWidgetItem(parent);
      item->setText(0, problem.point > 0 ? QString::number(problem.point) : tr("course"));
      item->setText(1, QString::fromStdString(problem.rule));
      item->setText(2, QString::fromStdString(problem.text));
      item->setToolTip(2, item->text(2));
      item->setData(0, kPointRole, problem.point);
      item->setData(0, kRuleRole, item->text(1));
      if (kept_rule.isValid() && kept_rule == item->text(1) && kept_point == problem.point) {
        restored = item;
      }
    }
    parent->setText(0, GroupText(group, count));
  }
  list_->expandAll();
  if (restored) list_->setCurrentItem(restored);
  emit problemsChanged(QString::fromStdString(ProblemCountText(problems_)));
}

QTreeWidgetItem* ProblemsWindow::AddGroup(const QString& name, ProblemGroup group) {
  auto* item = new QTreeWidgetItem(list_, {name});
  item->setFirstColumnSpanned(true);
  item->setFlags(Qt::ItemIsEnabled);
  item->setData(0, kRuleRole, group == ProblemGroup::kRom ? "rom" : "ek");
  QFont bold = item->font(0);
  bold.setBold(true);
  item->setFont(0, bold);
  return item;
}

std::vector<QTreeWidgetItem*> ProblemsWindow::ProblemItems() const {
  std::vector<QTreeWidgetItem*> items;
  for (int g = 0; g < list_->topLevelItemCount(); ++g) {
    const QTreeWidgetItem* group = list_->topLevelItem(g);
    for (int i = 0; i < group->childCount(); ++i) items.push_back(group->child(i));
  }
  return items;
}

void ProblemsWindow::SelectNext(bool backwards) {
  if (!isVisible()) {
    show();
    raise();
  }
  const std::vector<QTreeWidgetItem*> items = ProblemItems();
  if (items.empty()) return;
  const auto at = std::find(items.begin(), items.end(), list_->currentItem());
  const int count = static_cast<int>(items.size());
  int next = 0;
  if (at == items.end()) {
    next = backwards ? count - 1 : 0;
  } else {
    const int here = static_cast<int>(at - items.begin());
    next = (here + (backwards ? count - 1 : 1)) % count;
  }
  list_->setCurrentItem(items[next]);
  list_->scrollToItem(items[next]);
  Activate(items[next]);
}

void ProblemsWindow::Activate(QTreeWidgetItem* item) {
  if (!item || item->parent() == nullptr) return;
  const int point = item->data(0, kPointRole).toInt();
  if (point <= 0) return;  // the whole course: nothing to go to
  session_.document().SelectPoint(point);
  emit pointChosen(point);
}

}  // namespace kurvex
