#pragma once
// The help page shown inside the editor, so that it opens on every machine whether or not a
// web browser is registered: the page with its links, Back and Forward, and Find.

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace kurvex {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* owner);

  // Shows the page at path from its top; false when there is no such file.
  bool ShowPage(const QString& path);
  // Selects the next place the text occurs, from the top again after the last; false when it
  // occurs nowhere.
  bool Find(const QString& text);

  QSize sizeHint() const override;

 private:
  QTextBrowser* browser_;
  QPushButton* back_;
  QPushButton* forward_;
  QLineEdit* find_;
};

}  // namespace kurvex
