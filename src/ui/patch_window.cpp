#include "ui/patch_window.h"

#include <QApplication>
#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "course/course_files.h"
#include "course/new_course.h"
#include "forms/ui_patch_window.h"
#include "rom/rom_image.h"
#include "rom/rom_patch.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/session_inputs.h"

namespace kurvex {

namespace {

const char kRomFilter[] = QT_TRANSLATE_NOOP("kurvex::PatchWindow", "F-Zero X ROMs (*.*64)");
const char kCourseCaption[] =
    QT_TRANSLATE_NOOP("kurvex::PatchWindow", "Select KURV F-Zero X Track");
const char kPatchCaption[] = QT_TRANSLATE_NOOP("kurvex::PatchWindow", "Patch ROM");

bool IsTrackText(const std::string& path) {
  return path.size() >= 4 &&
         QString::fromStdString(path).endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

// A slot's course file, a KURV file or a track text file, read as Open reads it.
FileOutcome LoadCourseFile(const std::string& path, Course& course) {
  return IsTrackText(path) ? LoadTrackTextFile(path, course) : LoadKurvFile(path, course);
}

QString Normalised(const QString& path) { return path.trimmed().toLower(); }

Message SameRomMessage() {
  return LinesMessage({"Input ROM and Output ROM cannot be", "The same. Please specify a different",
                       "Output ROM."});
}

// A message's title as a sentence of a box's paragraph, without the "Error: " it starts with.
std::string Reason(const Message& message) {
  std::string reason =
      message.title.empty() && !message.lines.empty() ? message.lines.front() : message.title;
  const std::string prefix = "Error: ";
  if (reason.compare(0, prefix.size(), prefix) == 0) reason.erase(0, prefix.size());
  return reason;
}

// One line per entry, as a list the box's paragraph reads well: "a, b, c."
void AppendList(Message& message, const std::vector<std::pair<int, std::string>>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    message.lines.push_back(entries[i].second + (i + 1 < entries.size() ? "," : "."));
  }
}

}  // namespace

PatchWindow::PatchWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, tr("Patch to ROM"), owner),
      ui_(std::make_unique<Ui::PatchWindow>()),
      dialogs_(dialogs),
      runner_(session, dialogs, this, tr("Patch to ROM")) {
  ui_->setupUi(this);
  setWindowTitle(tr("Patch to ROM"));
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    ui_->cmbCourse->addItem(QString::fromStdString(SlotName(slot)));
  }
  ui_->cmbCourse->setCurrentIndex(0);
  ui_->cmdROMOut->setEnabled(false);
  ui_->cmdPatch->setEnabled(false);
  connect(ui_->cmbCourse, &QComboBox::currentIndexChanged, this,
          [this] { runner_.Run([this] { ShowSlot(); }); });
  connect(ui_->chkLoadFile, &QCheckBox::clicked, this, [this](bool checked) {
    runner_.Run([this, checked] { slots_[SelectedSlot() - 1].load = checked; });
  });
  connect(ui_->cmdFile, &QPushButton::clicked, this,
          [this] { runner_.Run([this] { ChooseCourseFile(); }); });
  // The editor's input ROM is proposed here too, as long as no other was chosen here.
  connect(&session_, &EditorSession::romChanged, this, [this] {
    if (ui_->txtIn->text().isEmpty()) TakeInputRom(session_.input_rom(), false);
  });
  connect(ui_->cmdROMIn, &QPushButton::clicked, this,
          [this] { runner_.Run([this] { SelectInputRom(); }); });
  connect(ui_->cmdROMOut, &QPushButton::clicked, this,
          [this] { runner_.Run([this] { SelectOutputRom(); }); });
  connect(ui_->cmdPatch, &QPushButton::clicked, this, [this] { runner_.Run([this] { Patch(); }); });
}

PatchWindow::~PatchWindow() { StopListening(); }

QSize PatchWindow::sizeHint() const { return minimumSizeHint().expandedTo(QSize(460, 260)); }

int PatchWindow::SelectedSlot() const { return ui_->cmbCourse->currentIndex() + 1; }

void PatchWindow::ShowSlot() {
  const SlotFile& file = slots_[SelectedSlot() - 1];
  ui_->chkLoadFile->setChecked(file.load);  // clicked is not raised by this
  ShowPath(ui_->txtFile, file.path);
}

void PatchWindow::ShowPath(QLineEdit* box, const QString& path) {
  box->setText(path);
  box->setToolTip(path);
  box->end(false);  // the file's name is the part worth seeing
}

void PatchWindow::ForgetInputRom() {
  ShowPath(ui_->txtIn, QString());
  ShowPath(ui_->txtOut, QString());
  ui_->lblVersion->setText(tr("(No ROM Selected)"));
  ui_->cmdPatch->setEnabled(false);
  ui_->cmdROMOut->setEnabled(false);
}

bool PatchWindow::SelectInputRom() {
  const QString path = dialogs_.OpenFileName(this, tr("Select Input ROM..."), tr(kRomFilter));
  if (path.isEmpty()) return false;
  return TakeInputRom(path, true);
}

bool PatchWindow::TakeInputRom(const QString& path, bool report) {
  RomImage rom;
  const int16_t result = rom.OpenRom(path.toStdString());
  if (result != kRomOk) {
    if (report) {
      dialogs_.ShowMessage(this, MessageIcon::kCritical, tr("Select Input ROM"),
                           FileCheck(result, rom.region_byte()));
      ForgetInputRom();
    }
    return false;
  }
  ShowPath(ui_->txtIn, path);
  ShowPath(ui_->txtOut, QString::fromStdString(FNSuff(path.toStdString(), "_mfd")));
  ui_->lblVersion->setText(QString::fromStdString(RegionName(rom.region())) + QStringLiteral("; ") +
                           QLatin1String(rom.byte_swapped() ? "V64" : "Z64"));
  ui_->cmdPatch->setEnabled(true);
  ui_->cmdROMOut->setEnabled(true);
  return true;
}

bool PatchWindow::SelectOutputRom() {
  const QString chosen = dialogs_.SaveFileName(this, tr("Specify Output ROM..."), tr(kRomFilter));
  if (chosen.isEmpty()) return false;
  const QString output = QString::fromStdString(FNSuff(chosen.toStdString(), "_mfd"));
  const QString input = Normalised(ui_->txtIn->text());
  const QString typed = Normalised(chosen);
  // The output must never name the input: neither as chosen nor with its suffix.
  if ((typed.size() <= input.size() && input.endsWith(typed)) || Normalised(output) == input) {
    dialogs_.ShowMessage(this, MessageIcon::kExclamation, tr("Specify Output ROM"),
                         SameRomMessage());
    return false;
  }
  ShowPath(ui_->txtOut, output);
  return true;
}

bool PatchWindow::ChooseCourseFile() {
  const QString path = dialogs_.OpenFileName(
      this, tr(kCourseCaption),
      tr("Courses (*.kurv *.txt);;KURV files (*.kurv);;Track text files (*.txt)"));
  if (path.isEmpty()) return false;
  SlotFile& file = slots_[SelectedSlot() - 1];
  Course course = NewCourse();
  const FileOutcome loaded = LoadCourseFile(path.toStdString(), course);
  file = loaded.ok ? SlotFile{true, path} : SlotFile{};
  ShowSlot();
  if (!loaded.ok) {
    dialogs_.ShowMessage(this, MessageIcon::kCritical, tr(kCourseCaption),
                         WithReason(loaded.message, loaded.reason));
  }
  return loaded.ok;
}

bool PatchWindow::Patch() {
  const QString input = ui_->txtIn->text();
  const QString output = ui_->txtOut->text();
  if (input.isEmpty()) return false;
  if (Normalised(output) == Normalised(input) || output.trimmed().isEmpty()) {
    dialogs_.ShowMessage(this, MessageIcon::kCritical, tr(kPatchCaption),
                         LinesMessage({"Error with Output ROM file"}));
    return false;
  }
  PatchRequest request;
  request.input_path = input.toStdString();
  request.output_path = output.toStdString();
  request.checksum = ui_->chkCRC->isChecked();
  request.loader = LoadCourseFile;
  request.inputs = SessionInputs(session_);
  std::vector<int> without_file;  // ticked, but no file chosen
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotFile& file = slots_[slot - 1];
    if (!file.load) continue;
    if (file.path.isEmpty()) {
      without_file.push_back(slot);
    } else {
      request.course_files[slot - 1] = file.path.toStdString();
    }
  }
  const PatchOutcome outcome = [&request] {
    // The wait cursor goes however the job ends.
    struct WaitCursor {
      WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
      ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    } wait;
    return PatchRom(request);
  }();
  if (outcome.code == kPatchInputError) {
    Message message{"Error with Input ROM file", outcome.message.lines};
    if (!outcome.message.title.empty()) {
      message.lines.insert(message.lines.begin(), outcome.message.title + ".");
    }
    message = WithReason(message, outcome.reason);
    dialogs_.ShowMessage(this, MessageIcon::kCritical, tr(kPatchCaption), message);
    ui_->cmdPatch->setEnabled(false);
    return false;
  }
  if (outcome.code != kPatchOk) {
    dialogs_.ShowMessage(this, MessageIcon::kCritical, tr(kPatchCaption),
                         WithReason(outcome.message, outcome.reason));
    return false;
  }
  ShowReport(outcome, without_file);
  std::vector<int> written;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const bool failed = std::any_of(outcome.problems.begin(), outcome.problems.end(),
                                    [slot](const SlotProblem& problem) {
                                      return problem.slot == slot && IsSlotFailure(problem.kind);
                                    });
    if (!request.course_files[slot - 1].empty() && !failed) written.push_back(slot);
  }
  ShowWritten(output, written, request.checksum);
  return true;
}

void PatchWindow::ShowWritten(const QString& output, const std::vector<int>& written,
                              bool checksum) {
  QStringList names;
  for (int slot : written) names << QString::fromStdString(SlotName(slot));
  const QString courses =
      names.isEmpty() ? tr("no course replaced") : names.join(QStringLiteral(", "));
  const QString sum =
      checksum ? tr("header checksum recalculated") : tr("header checksum as in the input");
  const QString text = tr("Wrote %1: %2; %3.").arg(QFileInfo(output).fileName(), courses, sum);
  ui_->lblWritten->setText(text);
  ui_->lblWritten->setToolTip(output);
  emit status(text);
}

// The job's report as the window shows it: courses that could not be patched are errors;
// texts cut to fit their blocks are only a notice, since those courses were patched.
void PatchWindow::ShowReport(const PatchOutcome& outcome, const std::vector<int>& without_file) {
  std::vector<std::pair<int, std::string>> failed, shortened, read_with_notices;
  for (int slot : without_file) failed.emplace_back(slot, SlotName(slot) + " (no file chosen)");
  for (const SlotProblem& problem : outcome.problems) {
    const std::string name = SlotName(problem.slot);
    switch (problem.kind) {
      case SlotProblemKind::kShortened:
        shortened.emplace_back(problem.slot, name);
        break;
      case SlotProblemKind::kNotices:
        for (const std::string& notice : problem.notices) {
          read_with_notices.emplace_back(problem.slot, name + ": " + notice);
        }
        break;
      case SlotProblemKind::kEncodeFailed:
        failed.emplace_back(problem.slot, name + " (the course does not fit the game's record)");
        break;
      case SlotProblemKind::kLoadFailed:
      default:
        // The file and the cause when the reader gave them, else what its message says.
        failed.emplace_back(
            problem.slot, name + " (" +
                              (problem.reason.empty() ? Reason(problem.message) : problem.reason) +
                              ")");
        break;
    }
  }
  std::stable_sort(failed.begin(), failed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  if (!failed.empty()) {
    Message errors =
        LinesMessage({"The following courses encountered", "errors while attempting to patch:"});
    AppendList(errors, failed);
    dialogs_.ShowMessage(this, MessageIcon::kExclamation, tr(kPatchCaption), errors);
  }
  if (!read_with_notices.empty()) {
    Message notice{"These courses were read, but not everything as it was written:", {}};
    AppendList(notice, read_with_notices);
    dialogs_.ShowMessage(this, MessageIcon::kInformation, tr(kPatchCaption), notice);
  }
  if (!shortened.empty()) {
    Message notice =
        LinesMessage({"The ROM was patched. The names, descriptions or horizons of these courses",
                      "were cut to fit the space the ROM has for them:"});
    AppendList(notice, shortened);
    dialogs_.ShowMessage(this, MessageIcon::kInformation, tr(kPatchCaption), notice);
  }
}

}  // namespace kurvex
