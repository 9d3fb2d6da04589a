#include "ui/graphics_window.h"

#include <QFontDatabase>
#include <QSignalBlocker>
#include <cmath>

#include "course/number_text.h"
#include "ui_graphics_window.h"

namespace kurvex {

namespace {

// A number typed into a box: nothing for an empty box or a number beyond the double range.
bool TypedNumber(const QString& text, double* value) {
  if (text.trimmed().isEmpty()) return false;
  const ParsedNumber parsed = ReadLeadingNumber(text.toStdString());
  if (parsed.overflow || !std::isfinite(parsed.value)) return false;
  *value = parsed.value;
  return true;
}

QString DistanceText(double distance) { return QString::fromStdString(FormatDecimals(distance, 1, 3)); }

// The line kinds' controls in the order of LineKind.
struct LineNames {
  const char* enable;
  const char* colour;
  const char* swatch;
  const char* antialiasing;
};
constexpr LineNames kLineNames[kLineKindCount] = {
    {"chkFloorGrid", "txtFloorGrid", "swatchFloorGrid", "chkAFloorGrid"},
    {"chkGDSpline", "txtGDSpline", "swatchGDSpline", "chkAGDSpline"},
    {"chkLSpline", "txtLSpline", "swatchLSpline", "chkALSpline"},
    {"chkRSpline", "txtRSpline", "swatchRSpline", "chkARSpline"},
    {"chkCSpline", "txtCSpline", "swatchCSpline", "chkACSpline"},
    {"chkCTLDots", "txtCTLDots", "swatchCTLDots", "chkACTLDots"},
    {"chkSegmentLines", "txtSegmentLines", "swatchSegmentLines", "chkASegmentLines"},
};

// The feature boxes in the order of FeatureSwitch.
constexpr const char* kFeatureNames[kFeatureSwitchCount] = {
    "chkStartGate", "chkGate",  "chkCanopy", "chkTV",   "chkOFlag",   "chkBFlag",     "chkSpinner",
    "chkMonitor",   "chkPit",   "chkDart",   "chkSlip", "chkScraper", "chkMidHeight", "chkPyramid",
    "chkPinnacle",  "chkAztec", "chkDash",   "chkJump", "chkTrap",
};

// Zones and plates live in display lists of their own, which must be built again.
bool IsZoneOrPlate(int feature) {
  switch (feature) {
    case kShowPitAreas:
    case kShowDartZones:
    case kShowSlipZones:
    case kShowDashPlates:
    case kShowJumpPlates:
    case kShowTrapFields:
      return true;
    default:
      return false;
  }
}

}  // namespace

GraphicsWindow::GraphicsWindow(EditorSession& session, Dialogs& /*dialogs*/, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Graphics Settings"), owner),
      ui_(std::make_unique<Ui::GraphicsWindow>()) {
  ui_->setupUi(this);
  setWindowTitle(QStringLiteral("Graphics Settings"));
  BindChecks();
  BindColours();
  BindNumbers();
  connect(&session_, &EditorSession::graphicsChanged, this, [this] {
    if (!telling_) Refresh();
  });
  Refresh();
}

GraphicsWindow::~GraphicsWindow() { StopListening(); }

QSize GraphicsWindow::sizeHint() const { return ToolWindow::sizeHint().expandedTo(QSize(420, 0)); }

void GraphicsWindow::showEvent(QShowEvent* event) {
  ToolWindow::showEvent(event);
  Refresh();
}

void GraphicsWindow::Changed(GraphicsChange what) {
  telling_ = true;
  session_.GraphicsChanged(what);
  telling_ = false;
}

void GraphicsWindow::AddCheck(const char* name, std::function<bool&(GraphicsSettings&)> field,
                              GraphicsChange change) {
  auto* box = findChild<QAbstractButton*>(QString::fromLatin1(name));
  Q_ASSERT(box);
  checks_.push_back({box, field, change});
  connect(box, &QAbstractButton::toggled, this, [this, field, change](bool on) {
    if (updating_) return;
    field(settings()) = on;
    Changed(change);
  });
}

void GraphicsWindow::BindChecks() {
  using S = GraphicsSettings;
  for (int kind = 0; kind < kLineKindCount; ++kind) {
    AddCheck(kLineNames[kind].enable, [kind](S& s) -> bool& { return s.lines[kind].enabled; });
    AddCheck(kLineNames[kind].antialiasing,
             [kind](S& s) -> bool& { return s.lines[kind].antialiasing; });
  }
  AddCheck("chkVenueFloor", [](S& s) -> bool& { return s.venue_floor; });
  AddCheck("chkSurface", [](S& s) -> bool& { return s.track_surface; });
  AddCheck("chkExteriors", [](S& s) -> bool& { return s.tunnel_exteriors; });
  AddCheck("chkTunnelTransparency", [](S& s) -> bool& { return s.tunnel_transparency; });
  AddCheck("chkTimer", [](S& s) -> bool& { return s.animation_timer; });
  AddCheck("chkBlinker", [](S& s) -> bool& { return s.red_blinkers; });
  AddCheck("chkFloorTransparency", [](S& s) -> bool& { return s.floor_transparency; });
  AddCheck(
      "chkFiltering", [](S& s) -> bool& { return s.texture_filtering; },
      GraphicsChange::kFiltering);
  AddCheck("chkWireframe", [](S& s) -> bool& { return s.wireframe; });
  AddCheck("chkGradient", [](S& s) -> bool& { return s.sky_gradient; });
  AddCheck("chkHorizon", [](S& s) -> bool& { return s.horizon_images; });
  AddCheck("chkProblemMarkers", [](S& s) -> bool& { return s.problem_markers; });
  // The option buttons: "Use Sky Color" ticked is the sky colour mode.
  AddCheck("optSkyColor", [](S& s) -> bool& { return s.use_sky_colour; });
  for (int feature = 0; feature < kFeatureSwitchCount; ++feature) {
    AddCheck(
        kFeatureNames[feature], [feature](S& s) -> bool& { return s.features[feature]; },
        IsZoneOrPlate(feature) ? GraphicsChange::kFeatureLists : GraphicsChange::kFrame);
  }
}

void GraphicsWindow::AddColour(const char* box_name, const char* swatch_name,
                               std::function<Rgb&(GraphicsSettings&)> field) {
  auto* box = findChild<QLineEdit*>(QString::fromLatin1(box_name));
  auto* swatch = findChild<QLabel*>(QString::fromLatin1(swatch_name));
  Q_ASSERT(box && swatch);
  box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  colours_.push_back({box, swatch, field});
  const ColourBinding binding = colours_.back();
  connect(box, &QLineEdit::textChanged, this, [this, binding] { ColourEdited(binding); });
  // Leaving the box shows the stored colour, so that an invalid entry snaps back.
  connect(box, &QLineEdit::editingFinished, this, [this, binding] {
    SetText(binding.box, QString::fromStdString(DrawHex(binding.field(settings()))));
  });
}

void GraphicsWindow::BindColours() {
  using S = GraphicsSettings;
  for (int kind = 0; kind < kLineKindCount; ++kind) {
    AddColour(kLineNames[kind].colour, kLineNames[kind].swatch,
              [kind](S& s) -> Rgb& { return s.lines[kind].colour; });
  }
  AddColour("txtClearColor", "swatchClearColor", [](S& s) -> Rgb& { return s.clear_colour; });
}

void GraphicsWindow::ColourEdited(const ColourBinding& binding) {
  if (updating_) return;
  if (!DoHex(binding.box->text().toStdString(), binding.field(settings()))) return;
  ShowSwatch(binding);
  Changed(GraphicsChange::kFrame);
}

void GraphicsWindow::ShowSwatch(const ColourBinding& binding) {
  const Rgb& c = binding.field(settings());
  QPalette look = binding.swatch->palette();
  look.setColor(QPalette::Window, QColor(c.r, c.g, c.b));
  binding.swatch->setPalette(look);
}

void GraphicsWindow::BindNumbers() {
  percents_ = {{ui_->txtTunnelTransparency, &GraphicsSettings::tunnel_transparency_percent},
               {ui_->txtFloorTransparency, &GraphicsSettings::floor_transparency_percent}};
  for (const PercentBinding& binding : percents_) {
    connect(binding.box, &QLineEdit::textChanged, this,
            [this, binding] { PercentEdited(binding); });
    connect(binding.box, &QLineEdit::editingFinished, this,
            [this, binding] { SetText(binding.box, QString::number(settings().*binding.field)); });
  }
  connect(ui_->txtDistance, &QLineEdit::textChanged, this, &GraphicsWindow::DistanceEdited);
  connect(ui_->txtDistance, &QLineEdit::editingFinished, this, &GraphicsWindow::DistanceLeft);
}

void GraphicsWindow::PercentEdited(const PercentBinding& binding) {
  double number;
  if (updating_ || !TypedNumber(binding.box->text(), &number)) return;
  settings().*binding.field = TransparencyFromNumber(number);
  Changed(GraphicsChange::kFrame);
}

void GraphicsWindow::DistanceEdited() {
  double number;
  if (updating_ || !TypedNumber(ui_->txtDistance->text(), &number)) return;
  settings().segment_distance = SegmentDistanceFromNumber(number);
}

void GraphicsWindow::DistanceLeft() {
  SetText(ui_->txtDistance, DistanceText(settings().segment_distance));
  // The distance is the sampling step of the curves: the course is prepared again with it.
  if (settings().segment_distance != session_.document().segment_distance()) {
    Changed(GraphicsChange::kSegmentDistance);
  }
}

void GraphicsWindow::SetText(QLineEdit* box, const QString& text) {
  if (box->text() == text) return;
  updating_ = true;
  box->setText(text);
  box->setCursorPosition(0);
  updating_ = false;
}

void GraphicsWindow::Refresh() {
  updating_ = true;
  GraphicsSettings& s = settings();
  for (const CheckBinding& check : checks_) check.box->setChecked(check.field(s));
  // The two option buttons exclude each other; "Define Color:" is the other mode.
  ui_->optDefineColor->setChecked(!s.use_sky_colour);
  for (const ColourBinding& colour : colours_) {
    colour.box->setText(QString::fromStdString(DrawHex(colour.field(s))));
    ShowSwatch(colour);
  }
  for (const PercentBinding& percent : percents_) {
    percent.box->setText(QString::number(s.*percent.field));
  }
  ui_->txtDistance->setText(DistanceText(s.segment_distance));
  updating_ = false;
}

}  // namespace kurvex
