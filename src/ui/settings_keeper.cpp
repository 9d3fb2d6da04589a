#include "ui/settings_keeper.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "preview/settings_rules.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/tool_window.h"
#include "ui/window_layout.h"

namespace kurvex {

SettingsKeeper::SettingsKeeper(EditorSession& session, Dialogs& dialogs, QWidget* bar,
                               const QString& config_folder)
    : session_(session),
      dialogs_(dialogs),
      bar_(bar),
      config_folder_(config_folder),
      editor_settings_(QDir(config_folder).filePath("kurvex.ini"), QSettings::IniFormat) {}

QString SettingsKeeper::SettingsPath() const {
  return QDir(config_folder_).filePath(QString::fromUtf8(kSettingsFileName));
}

void SettingsKeeper::ShowFailure(int16_t result) {
  dialogs_.ShowMessage(bar_, MessageIcon::kCritical,
                       QString::fromStdString(SettingsMessageCaption(result)),
                       LinesMessage({SettingsMessage(result)}));
}

bool SettingsKeeper::Load(const std::array<ToolWindow*, kToolWindowCount>& tools,
                          std::array<bool, kToolWindowCount>& shown) {
  Settings settings;
  const int16_t result = LoadSettingsFile(SettingsPath().toStdString(), settings);
  // Values from a file pass the same rules as typed ones: a damaged file cannot put the
  // camera out of reach or make the segment distance NaN.
  ApplyBoxRules(settings);
  CourseDocument& document = session_.document();
  document.SetDragSpeed(settings.element.drag_speed / 10);
  document.SetAddOffset(settings.element.add_offset * 100);
  Extremes extremes;
  std::copy(std::begin(settings.element.min), std::end(settings.element.min), extremes.min);
  std::copy(std::begin(settings.element.max), std::end(settings.element.max), extremes.max);
  document.RestoreExtremes(extremes);
  session_.RestoreCamera(settings.camera);
  session_.SetGraphics(settings.graphics, GraphicsChange::kSegmentDistance);
  // The places come last in the file: a file that ends early or cannot be read holds none,
  // and the windows start as on a first run rather than all hidden.
  Place(tools, settings.windows, result != kSettingsOk, shown);
  if (result == kSettingsLoadFailed) {
    // Once the window is up, so that the box has a window to stand over.
    QTimer::singleShot(0, bar_, [this, result] { ShowFailure(result); });
  }
  return result == kSettingsMissing;
}

void SettingsKeeper::Place(const std::array<ToolWindow*, kToolWindowCount>& tools,
                           const std::array<WindowPlacement, kToolWindowCount>& placements,
                           bool first_run, std::array<bool, kToolWindowCount>& shown) const {
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  std::array<QSize, kToolWindowCount> hints;
  for (int which = 0; which < kToolWindowCount; ++which) {
    const bool property_window = which == kWindowElement || which == kWindowCourse;
    hints[which] = property_window ? tools[which]->minimumSizeHint().expandedTo({560, 0})
                                   : tools[which]->sizeHint();
  }
  // Below the bar and its frame.
  const int top = screen.top() + bar_->sizeHint().height() + kFrameAllowance;
  const auto first =
      FirstRunLayout(QRect(screen.left(), top, screen.width(), screen.bottom() - top), hints);
  for (int which = 0; which < kToolWindowCount; ++which) {
    ToolWindow* tool = tools[which];
    ToolPlacement place = first[which];
    if (!first_run) {
      place = {PlaceOnScreen(placements[which], screen, hints[which]), placements[which].visible};
    }
    tool->move(place.place.topLeft());
    tool->resize(place.place.size().expandedTo(tool->minimumSizeHint()));
    tool->setVisible(place.visible);
    shown[which] = place.visible;
  }
}

void SettingsKeeper::Save(const std::array<ToolWindow*, kToolWindowCount>& tools,
                          const std::array<bool, kToolWindowCount>& shown) {
  Settings settings;
  settings.graphics = session_.graphics();
  settings.camera = session_.camera().values();
  const CourseDocument& document = session_.document();
  settings.element.current_point = static_cast<uint8_t>(document.current_point());
  settings.element.add_offset = document.add_offset();
  settings.element.drag_speed = document.drag_speed();
  std::copy(std::begin(document.extremes().min), std::end(document.extremes().min),
            settings.element.min);
  std::copy(std::begin(document.extremes().max), std::end(document.extremes().max),
            settings.element.max);
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  for (int which = 0; which < kToolWindowCount; ++which) {
    const ToolWindow* tool = tools[which];
    settings.windows[which] = KeptPlacement(QRect(tool->pos(), tool->size()), shown[which], screen);
  }
  QDir().mkpath(config_folder_);
  const int16_t result = SaveSettingsFile(SettingsPath().toStdString(), settings);
  if (result != kSettingsOk) ShowFailure(result);
}

}  // namespace kurvex
