#include "ui/export_commands.h"

#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QSpinBox>
#include <QWidget>

#include "course/file_io.h"
#include "course/path_text.h"
#include "preview/model_export.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/session_inputs.h"

namespace kurvex {

namespace {

constexpr int kMinSide = 16;
constexpr int kMaxSide = 8192;

// The picture's size, the preview's own unless the user chooses another.
bool AskForSize(QWidget* parent, QSize* size) {
  QDialog dialog(parent);
  dialog.setWindowTitle(ExportCommands::tr("Export Preview Image"));
  auto* width = new QSpinBox(&dialog);
  auto* height = new QSpinBox(&dialog);
  for (QSpinBox* box : {width, height}) {
    box->setRange(kMinSide, kMaxSide);
    box->setSuffix(ExportCommands::tr(" px"));
  }
  width->setValue(size->width());
  height->setValue(size->height());
  auto* form = new QFormLayout(&dialog);
  form->addRow(ExportCommands::tr("&Width:"), width);
  form->addRow(ExportCommands::tr("&Height:"), height);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  *size = QSize(width->value(), height->value());
  return true;
}

}  // namespace

ExportCommands::ExportCommands(EditorSession& session, Dialogs& dialogs, PictureSource pictures,
                               QWidget* window)
    : QObject(window),
      session_(session),
      dialogs_(dialogs),
      pictures_(std::move(pictures)),
      window_(window) {}

QString ExportCommands::AskForFile(const QString& title, const QString& filter,
                                   const QString& extension) {
  const QString chosen = dialogs_.SaveFileName(window_, title, filter);
  if (chosen.isEmpty()) return QString();
  const QString path = QString::fromStdString(CompleteFileName(
      chosen.toStdString(), extension.toStdString(), ("New File" + extension).toStdString()));
  return MayReplaceFile(dialogs_, window_, path) ? path : QString();
}

bool ExportCommands::ExportImage() {
  QSize size = pictures_.size();
  if (!AskForSize(window_, &size)) return false;
  return ExportImageOfSize(size);
}

bool ExportCommands::ExportImageOfSize(const QSize& size) {
  const QString path = AskForFile(tr("Export Preview Image"), tr("PNG pictures (*.png)"), ".png");
  if (path.isEmpty()) return false;
  const QImage picture = pictures_.render(size);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  std::string error = PathText(path.toStdString()) + ": " +
                      tr("the preview could not draw the picture (no OpenGL)").toStdString();
  if (picture.isNull() || !picture.save(&buffer, "PNG") ||
      !WriteFileAtomically(path.toStdString(), reinterpret_cast<const uint8_t*>(png.constData()),
                           static_cast<size_t>(png.size()), &error, SessionInputs(session_))) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr("Export Preview Image"),
                         MakeMessage("Error: The picture could not be written", {error}));
    return false;
  }
  emit status(tr("Picture written to %1").arg(QFileInfo(path).fileName()));
  return true;
}

bool ExportCommands::ExportModel() {
  const QString path = AskForFile(tr("Export Model"), tr("Wavefront OBJ models (*.obj)"), ".obj");
  if (path.isEmpty()) return false;
  std::string detail;
  const TextureStore* textures = session_.textures_loaded() ? &session_.textures() : nullptr;
  const int16_t result =
      ExportCourseModel(session_.document().course(), textures, session_.graphics(),
                        path.toStdString(), &detail, SessionInputs(session_));
  if (result != kModelExportOk) {
    dialogs_.ShowMessage(window_, MessageIcon::kCritical, tr("Export Model"),
                         ModelExportMessage(result, detail));
    return false;
  }
  emit status(tr("Model written to %1").arg(QFileInfo(path).fileName()));
  return true;
}

}  // namespace kurvex
