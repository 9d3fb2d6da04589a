#include "ui/emulator_run.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "rom/rom_layout.h"
#include "rom/rom_patch.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/preferences.h"
#include "ui/session_inputs.h"

namespace kurvex {

namespace {

const char kCaption[] = QT_TRANSLATE_NOOP("kurvex::EmulatorRun", "Test in Emulator");
const char kCurrentCourse[] = "(the course being edited)";
// A copy of another input ROM untouched this long is no longer played; a hidden temporary file
// this old belongs to no write still going on.
constexpr qint64 kStaleCopySeconds = 24 * 60 * 60;
constexpr qint64 kStaleTemporarySeconds = 60;

// Each copy is 16 MiB: without this the folder would keep one per ROM ever tried, and whatever
// a killed write left behind, for good.
void RemoveStaleCopies(const QString& folder, const QString& current_copy) {
  const QDateTime now = QDateTime::currentDateTime();
  const QFileInfoList entries =
      QDir(folder).entryInfoList({"test-*", ".test-*"}, QDir::Files | QDir::Hidden);
  for (const QFileInfo& entry : entries) {
    if (entry.fileName() == current_copy) continue;
    const qint64 limit =
        entry.fileName().startsWith('.') ? kStaleTemporarySeconds : kStaleCopySeconds;
    if (entry.lastModified().secsTo(now) > limit) QFile::remove(entry.filePath());
  }
}

}  // namespace

bool SplitCommandLine(const QString& command, QStringList* words) {
  words->clear();
  QString word;
  bool in_word = false;
  QChar quote;  // the open quote, or null
  for (int i = 0; i < command.size(); ++i) {
    const QChar c = command[i];
    if (quote == '\'') {
      if (c == '\'')
        quote = QChar();
      else
        word += c;
    } else if (quote == '"') {
      if (c == '"') {
        quote = QChar();
      } else if (c == '\\' && i + 1 < command.size() &&
                 QStringLiteral("\"\\$`").contains(command[i + 1])) {
        word += command[++i];
      } else {
        word += c;
      }
    } else if (c == '\'' || c == '"') {
      quote = c;
      in_word = true;
    } else if (c == '\\' && i + 1 < command.size()) {
      word += command[++i];
      in_word = true;
    } else if (c.isSpace()) {
      if (in_word) words->append(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (!quote.isNull()) return false;
  if (in_word) words->append(word);
  return true;
}

EmulatorRun::EmulatorRun(EditorSession& session, Dialogs& dialogs, const QString& cache_folder,
                         QWidget* window)
    : QObject(window),
      session_(session),
      dialogs_(dialogs),
      cache_folder_(cache_folder),
      window_(window) {}

QString EmulatorRun::CopyPath() const {
  // The input's extension is kept: the copy keeps its byte order too.
  return QDir(cache_folder_).filePath("test-" + QFileInfo(session_.input_rom()).fileName());
}

void EmulatorRun::Fail(const std::initializer_list<std::string>& lines) {
  dialogs_.ShowMessage(window_, MessageIcon::kExclamation, tr(kCaption), LinesMessage(lines));
}

bool EmulatorRun::Run(const EmulatorPreferences& preferences) {
  if (!session_.rom_loaded()) {
    Fail({"No input ROM is selected.",
          "Choose File > Select Input ROM... first: the course is tried in a copy of it."});
    return false;
  }
  if (preferences.command.trimmed().isEmpty()) {
    Fail({"No emulator command is set.",
          "Set one in Edit > Preferences..., for example: mupen64plus %ROM"});
    return false;
  }
  const int slot = preferences.SlotFor(session_.course_slot());
  if (!WriteCopy(slot)) return false;
  if (!Start(preferences.command)) return false;
  emit status(tr("%1 written to %2; emulator started")
                  .arg(QString::fromStdString(SlotName(slot)), CopyPath()));
  return true;
}

bool EmulatorRun::WriteCopy(int slot) {
  QDir().mkpath(cache_folder_);
  RemoveStaleCopies(cache_folder_, QFileInfo(CopyPath()).fileName());
  PatchRequest request;
  request.input_path = session_.input_rom().toStdString();
  request.output_path = CopyPath().toStdString();
  request.course_files[slot - 1] = kCurrentCourse;
  request.checksum = true;
  request.inputs = SessionInputs(session_);
  const Course& current = session_.document().course();
  request.loader = [&current](const std::string&, Course& course) {
    course = current;
    return FileOutcome{};
  };
  const PatchOutcome outcome = PatchRom(request);
  if (outcome.code != kPatchOk) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr(kCaption),
                         WithReason(outcome.message, outcome.reason));
    return false;
  }
  if (outcome.HasFailedSlots()) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr(kCaption), outcome.message);
    return false;
  }
  return true;
}

bool EmulatorRun::Start(const QString& command) {
  QStringList arguments;
  if (!SplitCommandLine(command, &arguments) || arguments.isEmpty()) {
    Fail({"The emulator command has a quote that is not closed.",
          "Correct it in Edit > Preferences..."});
    return false;
  }
  for (QString& argument : arguments) argument.replace(QStringLiteral("%ROM"), CopyPath());
  const QString program = arguments.takeFirst();
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setStandardInputFile(QProcess::nullDevice());
  if (process.startDetached()) return true;
  const bool found =
      !QStandardPaths::findExecutable(program).isEmpty() || QFileInfo(program).isExecutable();
  const QString reason = found ? process.errorString() : tr("no such program");
  Fail({"The emulator could not be started.", ("\"" + program + "\": " + reason).toStdString()});
  return false;
}

}  // namespace kurvex
