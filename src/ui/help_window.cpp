#include "ui/help_window.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kurvex {

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      browser_(new QTextBrowser(this)),
      back_(new QPushButton(tr("&Back"), this)),
      forward_(new QPushButton(tr("&Forward"), this)),
      find_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(tr("Help Contents"));
  browser_->setObjectName(QStringLiteral("txtHelp"));
  back_->setObjectName(QStringLiteral("cmdBack"));
  forward_->setObjectName(QStringLiteral("cmdForward"));
  find_->setObjectName(QStringLiteral("txtFind"));
  // Pages of the web go to the system's browser; the help's own pages and places stay here.
  browser_->setOpenExternalLinks(true);
  find_->setPlaceholderText(tr("Find"));
  find_->setClearButtonEnabled(true);
  auto* find_next = new QPushButton(tr("Find &Next"), this);
  find_next->setObjectName(QStringLiteral("cmdFindNext"));
  back_->setShortcut(QKeySequence::Back);
  forward_->setShortcut(QKeySequence::Forward);
  back_->setEnabled(false);
  forward_->setEnabled(false);

  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addStretch();
  bar->addWidget(find_);
  bar->addWidget(find_next);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(browser_);

  auto* focus_find = new QAction(this);
  focus_find->setShortcut(QKeySequence::Find);
  addAction(focus_find);
  connect(focus_find, &QAction::triggered, this, [this] {
    find_->setFocus();
    find_->selectAll();
  });
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
  const auto find_typed = [this] { Find(find_->text()); };
  connect(find_, &QLineEdit::returnPressed, this, find_typed);
  connect(find_next, &QPushButton::clicked, this, find_typed);
}

QSize HelpWindow::sizeHint() const { return {760, 640}; }

bool HelpWindow::ShowPage(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  browser_->setSource(QUrl::fromLocalFile(path));
  browser_->clearHistory();
  return true;
}

bool HelpWindow::Find(const QString& text) {
  if (text.isEmpty()) return false;
  if (browser_->find(text)) return true;
  // Past the last place: once more from the top.
  QTextCursor top = browser_->textCursor();
  top.movePosition(QTextCursor::Start);
  browser_->setTextCursor(top);
  return browser_->find(text);
}

}  // namespace kurvex
