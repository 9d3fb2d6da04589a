#include "ui/data_sheet_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "course/code_page.h"
#include "course/course_files.h"
#include "course/datasheet.h"
#include "course/file_io.h"
#include "course/new_course.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/session_inputs.h"

namespace kurvex {

namespace {

const char kFilter[] = QT_TRANSLATE_NOOP("kurvex::DataSheetWindow", "Text files (*.txt)");
// A course's sheet is a few tens of kilobytes; a file far beyond that is not one.
constexpr size_t kMaxSheetBytes = 4 << 20;

// Windows-1252 bytes with CR LF line ends, as the box shows them.
QString SheetToBox(const std::string& sheet) {
  QString text;
  text.reserve(static_cast<int>(sheet.size()));
  for (size_t i = 0; i < sheet.size(); ++i) {
    const auto byte = static_cast<uint8_t>(sheet[i]);
    if (byte == '\r' && i + 1 < sheet.size() && sheet[i + 1] == '\n') continue;
    if (byte == '\r') {  // a lone CR ends a line too
      text += QChar('\n');
      continue;
    }
    const char32_t c = Windows1252ToUnicode(byte);
    text += QChar(static_cast<char16_t>(c));  // the code page lies within the 16-bit plane
  }
  return text;
}

// The box's text as sheet bytes; a character outside the code page becomes "?".
std::string BoxToSheet(const QString& text) {
  std::string sheet;
  sheet.reserve(static_cast<size_t>(text.size()) + 64);
  for (const char32_t c : text.toUcs4()) {
    if (c == '\n') {
      sheet += "\r\n";
      continue;
    }
    const int byte = UnicodeToWindows1252(c);
    sheet += static_cast<char>(byte >= 0 ? byte : '?');
  }
  return sheet;
}

// "Unknown error", with what went wrong below it.
Message UnknownError(const Message& reason) {
  Message message{"Unknown error", reason.lines};
  if (message.lines.empty() && !reason.title.empty()) message.lines.push_back(reason.title);
  return message;
}

}  // namespace

DataSheetWindow::DataSheetWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, tr("Data Sheet"), owner),
      dialogs_(dialogs),
      runner_(session, dialogs, this, tr("Data Sheet")) {
  sheet_ = new QPlainTextEdit(this);
  sheet_->setObjectName(QStringLiteral("txtSheet"));
  sheet_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  sheet_->setLineWrapMode(QPlainTextEdit::NoWrap);
  sheet_->setTabChangesFocus(true);
  update_ = new QPushButton(tr("Update"), this);
  update_->setObjectName(QStringLiteral("cmdUpdate"));
  update_->setEnabled(false);
  export_ = new QPushButton(tr("Export"), this);
  export_->setObjectName(QStringLiteral("cmdExport"));
  import_ = new QPushButton(tr("Import"), this);
  import_->setObjectName(QStringLiteral("cmdImport"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(update_);
  buttons->addStretch();
  buttons->addWidget(export_);
  buttons->addWidget(import_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sheet_);
  layout->addLayout(buttons);

  sheet_->setAccessibleName(tr("Data sheet"));
  // Only the user's typing enables Update: the window's own writes are quiet.
  connect(sheet_, &QPlainTextEdit::textChanged, this, [this] { update_->setEnabled(true); });
  connect(update_, &QPushButton::clicked, this, [this] { runner_.Run([this] { Update(); }); });
  connect(export_, &QPushButton::clicked, this, [this] { runner_.Run([this] { Export(); }); });
  connect(import_, &QPushButton::clicked, this, [this] { runner_.Run([this] { Import(); }); });
  connect(&session_, &EditorSession::documentChanged, this, &DataSheetWindow::OnDocumentChanged);
  Populate();
}

QSize DataSheetWindow::sizeHint() const {
  const QFontMetrics metrics(sheet_->font());
  // Wide enough for the longest lines of a sheet, tall enough for a few points.
  return QSize(metrics.horizontalAdvance(QLatin1Char('M')) * 52 + 40, 480);
}

void DataSheetWindow::showEvent(QShowEvent* event) {
  ToolWindow::showEvent(event);
  if (stale_) Populate();
}

void DataSheetWindow::OnDocumentChanged(const DocumentChange& change) {
  if (applying_ || !(change.replaced || change.course)) return;
  // The sheet mirrors the course after every change; a hidden window catches up when shown.
  if (isVisible()) {
    Populate();
  } else {
    stale_ = true;
  }
}

QString DataSheetWindow::BoxText() const {
  // The raw text keeps no-break spaces (byte 0xA0) that toPlainText would turn into blanks.
  QString text = sheet_->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

void DataSheetWindow::ShowText(const QString& text) {
  if (BoxText() == text) return;
  // Keep the reader's place: the sheet is regenerated while other windows edit the course.
  const int scroll = sheet_->verticalScrollBar()->value();
  const int position = sheet_->textCursor().position();
  {
    const QSignalBlocker quiet(sheet_);
    sheet_->setPlainText(text);
  }
  QTextCursor cursor = sheet_->textCursor();
  cursor.setPosition(std::min(position, static_cast<int>(text.size())));
  sheet_->setTextCursor(cursor);
  sheet_->verticalScrollBar()->setValue(scroll);
}

void DataSheetWindow::Populate() {
  stale_ = false;
  ShowText(SheetToBox(GenDatasheet(session_.document().course())));
  update_->setEnabled(false);
}

bool DataSheetWindow::ApplySheet(const std::string& sheet) {
  applying_ = true;
  SheetReport report;
  const int16_t result = session_.document().UpdateFromSheet(sheet, &report);
  applying_ = false;
  if (result != kSheetOk) {
    // The course keeps what was read before the failing line (Undo takes it back); the box
    // keeps the text, to be corrected and applied again.
    update_->setEnabled(true);
    dialogs_.ShowMessage(this, MessageIcon::kCritical, QString::fromUtf8(kProductCaption),
                         SheetOverflowMessage());
    return false;
  }
  // The user sees the normalised result, and what of the text it could not take.
  Populate();
  std::vector<std::string> notices;
  for (const SheetNotice& notice : report.notices) notices.push_back(notice.Text());
  if (!notices.empty()) {
    dialogs_.ShowMessage(this, MessageIcon::kInformation, tr("Data Sheet"),
                         NoticesMessage(notices));
  }
  return true;
}

bool DataSheetWindow::Update() { return ApplySheet(BoxToSheet(BoxText())); }

bool DataSheetWindow::Export() {
  const QString chosen =
      dialogs_.SaveFileName(this, tr("Save F-Zero X Track Text File..."), tr(kFilter));
  if (chosen.isEmpty()) return false;
  const QString path = QString::fromStdString(CompleteTextFileName(chosen.toStdString()));
  if (!MayReplaceFile(dialogs_, this, path)) return false;
  // The sheet generated from the course, not the box: unapplied edits are not exported.
  const FileOutcome saved = SaveTrackTextFile(path.toStdString(), session_.document().course(),
                                              CourseSaveInputs(session_));
  if (!saved.ok) {
    dialogs_.ShowMessage(this, MessageIcon::kCritical, tr("Export"),
                         UnknownError(WithReason(saved.message, saved.reason)));
    return false;
  }
  Populate();
  return true;
}

bool DataSheetWindow::Import() {
  const QString path =
      dialogs_.OpenFileName(this, tr("Open F-Zero X Track Text File..."), tr(kFilter));
  if (path.isEmpty()) return false;
  std::vector<uint8_t> bytes;
  std::string reason;
  const FileReadResult read = ReadRegularFile(path.toStdString(), kMaxSheetBytes, bytes, &reason);
  if (read != FileReadResult::kOk) {
    Message failure = FileReadMessage(read);
    failure.lines.push_back(reason);
    dialogs_.ShowMessage(this, MessageIcon::kCritical, tr("Import"), UnknownError(failure));
    return false;
  }
  const FileOutcome checked = CheckTrackTextBytes(path.toStdString(), bytes);
  if (!checked.ok) {
    dialogs_.ShowMessage(this, MessageIcon::kCritical, tr("Import"),
                         UnknownError(WithReason(checked.message, checked.reason)));
    return false;
  }
  const std::string sheet(bytes.begin(), bytes.end());
  {
    const QSignalBlocker quiet(sheet_);
    sheet_->setPlainText(SheetToBox(sheet));
  }
  // The file's own bytes are read, so that nothing is lost on the way through the box.
  return ApplySheet(sheet);
}

}  // namespace kurvex
