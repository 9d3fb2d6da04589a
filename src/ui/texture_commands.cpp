#include "ui/texture_commands.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QWidget>

#include "rom/rom_image.h"
#include "rom/texture_dump.h"
#include "rom/texture_loader.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/session_inputs.h"

namespace kurvex {

namespace {
const char kDumpFilter[] = QT_TRANSLATE_NOOP("kurvex::TextureCommands", "Texture dumps (*.tex)");
}

TextureCommands::TextureCommands(EditorSession& session, Dialogs& dialogs, QWidget* window)
    : QObject(window), session_(session), dialogs_(dialogs), window_(window) {}

bool TextureCommands::LoadFromRom() {
  RomImage rom;
  const int16_t opened = rom.OpenRom(session_.input_rom().toStdString());
  if (opened != kRomOk) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr("Select Input ROM"),
                         FileCheck(opened, rom.region_byte()));
    return false;
  }
  QProgressDialog wait(tr("Loading textures... Please wait."), QString(), 0, kTextureBlockCount,
                       window_);
  wait.setWindowTitle(QStringLiteral("Kurvex"));
  wait.setWindowModality(Qt::WindowModal);
  wait.setMinimumDuration(0);
  wait.show();
  QApplication::processEvents();
  TextureStore store;
  std::string detail;
  const TextureLoadResult result = LoadRomTextures(rom, store, &detail, [&](int done, int) {
    wait.setValue(done);
    QApplication::processEvents();
  });
  wait.hide();
  if (result != TextureLoadResult::kOk) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr("Load Textures"),
                         TextureLoadMessage(result, detail));
    return false;
  }
  session_.textures().Swap(store);
  session_.TexturesLoaded();
  emit status(tr("Textures loaded from the ROM"));
  return true;
}

bool TextureCommands::LoadFromFile() {
  const QString path = dialogs_.OpenFileName(window_, tr("Load Textures"), tr(kDumpFilter));
  if (path.isEmpty()) return false;
  return LoadFromFilePath(path);
}

bool TextureCommands::LoadFromFilePath(const QString& path) {
  if (!QFileInfo::exists(path)) {
    dialogs_.ShowMessage(window_, MessageIcon::kExclamation, tr("Load Textures"),
                         TexDumpMessage(TexDumpResult::kNotFound));
    return false;
  }
  std::string detail;
  const TexDumpResult result = DoLoadTex(path.toStdString(), session_.textures(), &detail);
  if (result != TexDumpResult::kOk) {
    dialogs_.ShowMessage(window_, MessageIcon::kExclamation, tr("Load Textures"),
                         WithReason(TexDumpMessage(result), detail));
    return false;
  }
  session_.TexturesLoaded();
  emit status(tr("Textures loaded from %1").arg(QFileInfo(path).fileName()));
  return true;
}

bool TextureCommands::Save() {
  if (!session_.textures_loaded()) return false;
  const QString chosen = dialogs_.SaveFileName(window_, tr("Save Textures"), tr(kDumpFilter));
  if (chosen.isEmpty()) return false;
  const QString path = QString::fromStdString(TexDumpSaveName(chosen.toStdString()));
  if (!MayReplaceFile(dialogs_, window_, path)) return false;
  std::string detail;
  const TexDumpResult result =
      DoSaveTex(path.toStdString(), session_.textures(), &detail, SessionInputs(session_));
  if (result != TexDumpResult::kOk) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr("Save Textures"),
                         WithReason(TexDumpMessage(result), detail));
    return false;
  }
  emit status(tr("Textures saved to %1").arg(QFileInfo(path).fileName()));
  return true;
}

}  // namespace kurvex
