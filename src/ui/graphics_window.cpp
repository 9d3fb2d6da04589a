#include "ui/graphics_window.h"

#include "course/number_text.h"
#include "editing/edit_result.h"
#include "forms/ui_graphics_window.h"
#include "ui/bound_controls.h"

namespace kurvex {

namespace {

QString DistanceText(double distance) {
  return QString::fromStdString(FormatDecimals(distance, 1, 3));
}

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

GraphicsWindow::GraphicsWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, tr("Graphics Settings"), owner),
      ui_(std::make_unique<Ui::GraphicsWindow>()),
      runner_(session, dialogs, this, tr("Graphics Settings")) {
  ui_->setupUi(this);
  setWindowTitle(tr("Graphics Settings"));
  controls_ = std::make_unique<BoundControls>(runner_, nullptr);
  BindLines();
  BindSwitches();
  BindFeatures();
  BindNumbers();
  connect(&session_, &EditorSession::graphicsChanged, controls_.get(), &BoundControls::Refresh);
}

GraphicsWindow::~GraphicsWindow() {
  controls_.reset();
  StopListening();
}

QSize GraphicsWindow::sizeHint() const { return ToolWindow::sizeHint().expandedTo(QSize(420, 0)); }

void GraphicsWindow::showEvent(QShowEvent* event) {
  ToolWindow::showEvent(event);
  controls_->Refresh();
}

void GraphicsWindow::Change(const std::function<void(GraphicsSettings&)>& change,
                            GraphicsChange what) {
  session_.ChangeGraphics(change, what);
}

void GraphicsWindow::BindSwitch(QAbstractButton* check, bool GraphicsSettings::*field,
                                GraphicsChange change) {
  controls_->AddCheck(
      check, [this, field] { return session_.graphics().*field; },
      [this, field, change](bool on) {
        Change([&](GraphicsSettings& s) { s.*field = on; }, change);
      });
}

void GraphicsWindow::BindLines() {
  struct LineControls {
    QAbstractButton* enable;
    QLineEdit* colour;
    QLabel* swatch;
    QAbstractButton* antialiasing;
  };
  // In the order of LineKind.
  const LineControls lines[kLineKindCount] = {
      {ui_->chkFloorGrid, ui_->txtFloorGrid, ui_->swatchFloorGrid, ui_->chkAFloorGrid},
      {ui_->chkGDSpline, ui_->txtGDSpline, ui_->swatchGDSpline, ui_->chkAGDSpline},
      {ui_->chkLSpline, ui_->txtLSpline, ui_->swatchLSpline, ui_->chkALSpline},
      {ui_->chkRSpline, ui_->txtRSpline, ui_->swatchRSpline, ui_->chkARSpline},
      {ui_->chkCSpline, ui_->txtCSpline, ui_->swatchCSpline, ui_->chkACSpline},
      {ui_->chkCTLDots, ui_->txtCTLDots, ui_->swatchCTLDots, ui_->chkACTLDots},
      {ui_->chkSegmentLines, ui_->txtSegmentLines, ui_->swatchSegmentLines, ui_->chkASegmentLines},
  };
  for (int kind = 0; kind < kLineKindCount; ++kind) {
    const LineControls& line = lines[kind];
    controls_->AddCheck(
        line.enable, [this, kind] { return session_.graphics().lines[kind].enabled; },
        [this, kind](bool on) {
          Change([&](GraphicsSettings& s) { s.lines[kind].enabled = on; }, GraphicsChange::kFrame);
        });
    controls_->AddCheck(
        line.antialiasing, [this, kind] { return session_.graphics().lines[kind].antialiasing; },
        [this, kind](bool on) {
          Change([&](GraphicsSettings& s) { s.lines[kind].antialiasing = on; },
                 GraphicsChange::kFrame);
        });
    controls_->AddColour(
        line.colour, line.swatch, [this, kind] { return session_.graphics().lines[kind].colour; },
        [this, kind](const Rgb& colour) {
          Change([&](GraphicsSettings& s) { s.lines[kind].colour = colour; },
                 GraphicsChange::kFrame);
        });
  }
  controls_->AddColour(
      ui_->txtClearColor, ui_->swatchClearColor,
      [this] { return session_.graphics().clear_colour; },
      [this](const Rgb& colour) {
        Change([&](GraphicsSettings& s) { s.clear_colour = colour; }, GraphicsChange::kFrame);
      });
}

void GraphicsWindow::BindSwitches() {
  using S = GraphicsSettings;
  BindSwitch(ui_->chkVenueFloor, &S::venue_floor);
  BindSwitch(ui_->chkSurface, &S::track_surface);
  BindSwitch(ui_->chkExteriors, &S::tunnel_exteriors);
  BindSwitch(ui_->chkTunnelTransparency, &S::tunnel_transparency);
  BindSwitch(ui_->chkTimer, &S::animation_timer);
  BindSwitch(ui_->chkBlinker, &S::red_blinkers);
  BindSwitch(ui_->chkFloorTransparency, &S::floor_transparency);
  BindSwitch(ui_->chkFiltering, &S::texture_filtering, GraphicsChange::kFiltering);
  BindSwitch(ui_->chkWireframe, &S::wireframe);
  BindSwitch(ui_->chkGradient, &S::sky_gradient);
  BindSwitch(ui_->chkHorizon, &S::horizon_images);
  BindSwitch(ui_->chkProblemMarkers, &S::problem_markers);
  // The two option buttons exclude each other: "Use Sky Color" ticked is the sky colour
  // mode, "Define Color:" the other.
  BindSwitch(ui_->optSkyColor, &S::use_sky_colour);
  controls_->AddCheck(
      ui_->optDefineColor, [this] { return !session_.graphics().use_sky_colour; },
      [this](bool on) {
        Change([&](GraphicsSettings& s) { s.use_sky_colour = !on; }, GraphicsChange::kFrame);
      });
}

void GraphicsWindow::BindFeatures() {
  // In the order of FeatureSwitch.
  QAbstractButton* const features[kFeatureSwitchCount] = {
      ui_->chkStartGate, ui_->chkGate,    ui_->chkCanopy,    ui_->chkTV,      ui_->chkOFlag,
      ui_->chkBFlag,     ui_->chkSpinner, ui_->chkMonitor,   ui_->chkPit,     ui_->chkDart,
      ui_->chkSlip,      ui_->chkScraper, ui_->chkMidHeight, ui_->chkPyramid, ui_->chkPinnacle,
      ui_->chkAztec,     ui_->chkDash,    ui_->chkJump,      ui_->chkTrap,
  };
  for (int feature = 0; feature < kFeatureSwitchCount; ++feature) {
    const GraphicsChange change =
        IsZoneOrPlate(feature) ? GraphicsChange::kFeatureLists : GraphicsChange::kFrame;
    controls_->AddCheck(
        features[feature], [this, feature] { return session_.graphics().features[feature]; },
        [this, feature, change](bool on) {
          Change([&](GraphicsSettings& s) { s.features[feature] = on; }, change);
        });
  }
}

void GraphicsWindow::BindNumbers() {
  const std::pair<QLineEdit*, int16_t GraphicsSettings::*> percents[] = {
      {ui_->txtTunnelTransparency, &GraphicsSettings::tunnel_transparency_percent},
      {ui_->txtFloorTransparency, &GraphicsSettings::floor_transparency_percent}};
  for (const auto& [box, field] : percents) {
    BoundControls::NumberRule rule;
    rule.on_key = [this, field = field](double number) {
      Change([&](GraphicsSettings& s) { s.*field = TransparencyFromNumber(number); },
             GraphicsChange::kFrame);
      return int16_t{kEditOk};
    };
    rule.shown = [this, field = field] { return QString::number(session_.graphics().*field); };
    controls_->AddNumber(box, rule);
  }
  // The distance is the sampling step of the curves: kept as typed, and the course is
  // prepared again with it once the box is left.
  BoundControls::NumberRule distance;
  distance.on_key = [this](double number) {
    session_.KeepGraphics(
        [&](GraphicsSettings& s) { s.segment_distance = SegmentDistanceFromNumber(number); });
    return int16_t{kEditOk};
  };
  distance.finished = [this] {
    if (session_.graphics().segment_distance != session_.document().segment_distance()) {
      Change([](GraphicsSettings&) {}, GraphicsChange::kSegmentDistance);
    }
  };
  distance.shown = [this] { return DistanceText(session_.graphics().segment_distance); };
  controls_->AddNumber(ui_->txtDistance, distance);
}

}  // namespace kurvex
