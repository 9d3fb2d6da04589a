#include "ui/element_properties_window.h"

#include <QShortcut>
#include <QSignalBlocker>
#include <vector>

#include "course/display_names.h"
#include "course/number_text.h"
#include "course/track_type.h"
#include "editing/edit_result.h"
#include "editing/friendly.h"
#include "editing/texture_list.h"
#include "forms/ui_element_properties_window.h"
#include "ui/bound_controls.h"
#include "ui/dialogs.h"
#include "ui/drag_pad_widget.h"
#include "ui/editor_session.h"

namespace kurvex {

namespace {

constexpr int kPlatePositions = 3;

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString CoordinateText(double stored) { return Text(FormatFixed(stored / 10, 3)); }
QString WidthText(int32_t stored) { return Text(FormatFixed(stored / 10.0, 1)); }

// A feature value in a list whose entry 0 is "(None)": 255 is entry 0, v is entry v + 1, and a
// value beyond the list selects nothing.
void ShowFeature(QComboBox* list, uint8_t value) {
  const int index = value == kNone ? 0 : value + 1;
  list->setCurrentIndex(index < list->count() ? index : -1);
}

// The lists and check boxes of the window, quiet while the window shows the course in them:
// showing is never an edit.
std::vector<QSignalBlocker> Quiet(const QWidget* window) {
  std::vector<QSignalBlocker> quiet;
  for (QComboBox* list : window->findChildren<QComboBox*>()) quiet.emplace_back(list);
  for (QCheckBox* check : window->findChildren<QCheckBox*>()) quiet.emplace_back(check);
  return quiet;
}

}  // namespace

ElementPropertiesWindow::ElementPropertiesWindow(EditorSession& session, Dialogs& dialogs,
                                                 QWidget* owner)
    : ToolWindow(session, tr("Element Properties"), owner),
      ui_(std::make_unique<Ui::ElementPropertiesWindow>()),
      dialogs_(dialogs),
      runner_(session, dialogs, this, tr("Element Properties")) {
  ui_->setupUi(this);
  boxes_ = std::make_unique<BoundControls>(runner_, nullptr);
  // A drag pad's move writes the boxes' values; what the boxes hear meanwhile is no typing.
  boxes_->SetBlocked([this] { return session_.document().Dragging(); });
  BindNumberBoxes();
  ConnectPointTab();
  ConnectSegmentTab();
  ConnectMiscTab();
  // Beyond the lists: Page Up and Page Down step through the points.
  auto* previous = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
  connect(previous, &QShortcut::activated, this, [this] { StepPoint(-1); });
  auto* next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
  connect(next, &QShortcut::activated, this, [this] { StepPoint(1); });
  connect(&session_, &EditorSession::documentChanged, this,
          &ElementPropertiesWindow::OnDocumentChanged);
  ListPoints();
  Refresh(false);
}

ElementPropertiesWindow::~ElementPropertiesWindow() {
  // The number boxes' rules call into this window; they go first, with their event filters.
  boxes_.reset();
  StopListening();
}

// ---------------------------------------------------------------------------------------------
// Setting up

void ElementPropertiesWindow::BindPointBox(QLineEdit* box,
                                           const std::function<int16_t(double)>& write,
                                           const std::function<QString()>& shown) {
  CourseDocument& document = session_.document();
  BoundControls::NumberRule rule;
  rule.on_key = write;
  rule.finished = [this] { runner_.FinishTyping(); };
  rule.shown = shown;
  rule.still_typing = [&document] { return document.InGesture(); };
  boxes_->AddNumber(box, rule);
}

void ElementPropertiesWindow::BindNumberBoxes() {
  CourseDocument& document = session_.document();
  using Entry = CourseDocument::Entry;
  auto point = [&document]() -> const CtlPoint& {
    return document.course().Points[document.current_point()];
  };
  const std::pair<QLineEdit*, Axis> axes[] = {
      {ui_->txtX, kAxisX}, {ui_->txtY, kAxisY}, {ui_->txtZ, kAxisZ}};
  for (const auto& [box, axis] : axes) {
    BindPointBox(
        box,
        [&document, axis = axis](double v) {
          return document.SetCoordinate(axis, v, Entry::kTyping);
        },
        [point, axis = axis] { return CoordinateText(Coordinate(point(), axis)); });
  }
  for (const bool left : {true, false}) {
    BindPointBox(
        left ? ui_->txtLeft : ui_->txtRight,
        [&document, left](double v) { return document.SetWidth(left, v, Entry::kTyping); },
        [point, left] { return WidthText(left ? point().LeftWidth : point().RightWidth); });
  }
  BindPointBox(
      ui_->txtBank, [&document](double v) { return document.SetBanking(v, Entry::kTyping); },
      [&document] { return QString::number(document.course().Banking[document.current_point()]); });

  BoundControls::NumberRule speed;
  speed.on_key = [&document](double v) { return document.SetDragSpeed(v); };
  speed.shown = [&document] { return Text(FormatDecimals(document.drag_speed() / 10, 1, 3)); };
  boxes_->AddNumber(ui_->txtDragSpeed, speed);
  BoundControls::NumberRule offset;
  offset.on_key = [&document](double v) { return document.SetAddOffset(v); };
  offset.shown = [&document] { return Text(FormatDecimals(document.add_offset() * 100, 1, 3)); };
  boxes_->AddNumber(ui_->txtAddOff, offset);

  // The extremes take their number when the box is left.
  const std::tuple<QLineEdit*, Axis, bool> extremes[] = {
      {ui_->txtEXMin, kAxisX, false}, {ui_->txtEXMax, kAxisX, true},
      {ui_->txtEYMin, kAxisY, false}, {ui_->txtEYMax, kAxisY, true},
      {ui_->txtEZMin, kAxisZ, false}, {ui_->txtEZMax, kAxisZ, true}};
  for (const auto& [box, axis, maximum] : extremes) {
    BoundControls::NumberRule rule;
    rule.on_leave = [&document, axis = axis, maximum = maximum](double v) {
      return document.SetExtreme(axis, maximum, v);
    };
    rule.shown = [&document, axis = axis, maximum = maximum] {
      const Extremes& e = document.extremes();
      return CoordinateText(maximum ? e.max[axis] : e.min[axis]);
    };
    boxes_->AddNumber(box, rule);
  }
}

void ElementPropertiesWindow::ConnectDragPad(DragPadWidget* pad, DragPad which) {
  CourseDocument& document = session_.document();
  pad->SetDirections(which == kPadXZ  ? DragPadWidget::Directions::kAll
                     : which == kPadY ? DragPadWidget::Directions::kVertical
                                      : DragPadWidget::Directions::kHorizontal);
  connect(pad, &DragPadWidget::dragStarted, this, [this, &document, which](QPointF at) {
    runner_.Step([&] {
      document.BeginDrag(which, at.x(), at.y());
      return int16_t{kEditOk};
    });
  });
  // The course follows every move (the preview with it); it settles once, at the release.
  connect(pad, &DragPadWidget::dragMoved, this, [this, &document, which](QPointF at) {
    runner_.Step([&] {
      document.DragMove(which, at.x(), at.y());
      return int16_t{kEditOk};
    });
  });
  connect(pad, &DragPadWidget::dragEnded, this,
          [this, &document, which] { runner_.Run([&] { document.EndDrag(which); }); });
}

void ElementPropertiesWindow::ConnectPointTab() {
  connect(ui_->cmbCurPoint, &QComboBox::currentIndexChanged, this,
          [this](int index) { SelectPoint(index + 1); });
  ConnectDragPad(ui_->picXZ, kPadXZ);
  ConnectDragPad(ui_->picY, kPadY);
  ConnectDragPad(ui_->picLeft, kPadLeftWidth);
  ConnectDragPad(ui_->picRight, kPadRightWidth);
  ConnectDragPad(ui_->picBank, kPadBanking);
  CourseDocument& document = session_.document();
  ConnectFeatureList(ui_->cmbDecoration,
                     [&document](int i) { return document.SetFeature(&Course::Decoration, i); });
  ConnectFeatureList(ui_->cmbGate,
                     [&document](int i) { return document.SetFeature(&Course::Gate, i); });
  connect(ui_->cmbStrucType, &QComboBox::currentIndexChanged, this,
          &ElementPropertiesWindow::StructureChanged);
  connect(ui_->chkStrucLeft, &QCheckBox::toggled, this, &ElementPropertiesWindow::StructureChanged);
  connect(ui_->chkStrucRight, &QCheckBox::toggled, this,
          &ElementPropertiesWindow::StructureChanged);
  connect(ui_->cmdAddB, &QPushButton::clicked, this, &ElementPropertiesWindow::AddPoint);
  connect(ui_->cmdDelete, &QPushButton::clicked, this, &ElementPropertiesWindow::DeletePoint);
}

void ElementPropertiesWindow::ConnectFeatureList(QComboBox* list,
                                                 const std::function<int16_t(int)>& choose) {
  connect(list, &QComboBox::currentIndexChanged, this, [this, choose](int index) {
    if (index < 0) return;
    if (!runner_.Edit([&] { return choose(index); })) Refresh(false);
  });
}

void ElementPropertiesWindow::ConnectSegmentTab() {
  CourseDocument& document = session_.document();
  connect(ui_->cmbCurSegment, &QComboBox::currentIndexChanged, this,
          [this](int index) { SelectPoint(index + 1); });
  connect(ui_->cmbTrackType, &QComboBox::currentIndexChanged, this,
          &ElementPropertiesWindow::ChangeTrackType);
  ConnectFeatureList(ui_->cmbTexture, [&document](int i) { return document.ChangeTexture(i); });
  const std::pair<QComboBox*, ZoneKind> zones[] = {
      {ui_->cmbPit, kZonePit}, {ui_->cmbDart, kZoneDart}, {ui_->cmbSlip, kZoneSlip}};
  for (const auto& [list, zone] : zones) {
    ConnectFeatureList(
        list, [&document, zone = zone](int i) { return document.ChangeZone(zone, i - 1); });
  }
  ConnectFeatureList(ui_->cmbDash,
                     [&document](int i) { return document.SetFeature(&Course::DashPlate, i); });
  ConnectFeatureList(ui_->cmbJump,
                     [&document](int i) { return document.SetFeature(&Course::JumpPlate, i); });
  ConnectFeatureList(ui_->cmbTrap,
                     [&document](int i) { return document.SetFeature(&Course::TrapField, i); });
  connect(ui_->cmdMake1, &QPushButton::clicked, this,
          [this, &document] { runner_.Edit([&] { return document.MakeFirst(); }); });
  connect(ui_->cmdAdd, &QPushButton::clicked, this, &ElementPropertiesWindow::AddPoint);
  connect(ui_->cmdDeleteB, &QPushButton::clicked, this, &ElementPropertiesWindow::DeletePoint);
}

void ElementPropertiesWindow::ConnectMiscTab() {
  CourseDocument& document = session_.document();
  connect(ui_->cmdEDefault, &QPushButton::clicked, this,
          [this, &document] { runner_.Edit([&] { return document.UseDefaultExtremes(); }); });
  connect(ui_->cmdAlign, &QPushButton::clicked, this, [this, &document] {
    runner_.Edit([&] {
      return document.LineUp(ui_->cmbLFrom->currentIndex() + 1, ui_->cmbLTo->currentIndex() + 1,
                             ui_->chkEquidistant->isChecked());
    });
  });
  connect(ui_->cmdTranslate, &QPushButton::clicked, this, &ElementPropertiesWindow::Translate);
  connect(ui_->cmdRotate, &QPushButton::clicked, this, &ElementPropertiesWindow::Rotate);
  connect(ui_->cmdScale, &QPushButton::clicked, this, &ElementPropertiesWindow::Scale);
  connect(ui_->cmdEKFriendly, &QPushButton::clicked, this, &ElementPropertiesWindow::EkFriendly);
  connect(ui_->cmdROMFriendly, &QPushButton::clicked, this,
          [this, &document] { runner_.Edit([&] { return document.RomFriendly(); }); });
  connect(ui_->cmdCenter, &QPushButton::clicked, this,
          [this, &document] { runner_.Edit([&] { return document.CenterTrack(); }); });
  for (QLineEdit* box :
       {ui_->txtTX, ui_->txtTY, ui_->txtTZ, ui_->txtRAzim, ui_->txtRElev, ui_->txtRSkew}) {
    box->setText(QStringLiteral("0.000"));
  }
  ui_->txtSFactor->setText(QStringLiteral("1.0"));
}

// ---------------------------------------------------------------------------------------------
// Filling the controls

void ElementPropertiesWindow::OnDocumentChanged(const DocumentChange& change) {
  if (change.replaced || change.point_count) ListPoints();
  if (change.replaced || change.course || change.selection || change.extremes || change.options) {
    // Structure controls that say "no structure" in their own way stay as the user left them,
    // unless another point or course is shown.
    Refresh(!change.replaced && !change.selection && !change.point_count);
  }
}

void ElementPropertiesWindow::ListPoints() {
  const auto quiet = Quiet(this);
  const int count = session_.document().course().PointCount;
  QStringList numbers;
  for (int i = 1; i <= count; ++i) numbers << QString::number(i);
  for (QComboBox* list : {ui_->cmbCurPoint, ui_->cmbCurSegment, ui_->cmbLFrom, ui_->cmbLTo}) {
    list->clear();
    list->addItems(numbers);
    list->setCurrentIndex(0);
  }
}

void ElementPropertiesWindow::Refresh(bool keep_structure_draft) {
  const auto quiet = Quiet(this);
  const int index = session_.document().current_point() - 1;
  ui_->cmbCurPoint->setCurrentIndex(index);
  ui_->cmbCurSegment->setCurrentIndex(index);
  FillPointTab(keep_structure_draft);
  FillSegmentTab();
  EnableAddDelete();
  boxes_->Refresh();
}

void ElementPropertiesWindow::FillPointTab(bool keep_structure_draft) {
  const Course& course = session_.document().course();
  const int i = session_.document().current_point();
  ShowFeature(ui_->cmbDecoration, course.Decoration[i]);
  ShowFeature(ui_->cmbGate, course.Gate[i]);
  const uint8_t structure = course.Structure[i];
  const uint8_t shown =
      StructureFromControls(ui_->cmbStrucType->currentIndex(), ui_->chkStrucLeft->isChecked(),
                            ui_->chkStrucRight->isChecked());
  if (keep_structure_draft && shown == structure) return;
  const int kind = structure == kNone ? 0 : structure / 3 + 1;
  const int side = structure == kNone ? -1 : structure % 3;
  ui_->cmbStrucType->setCurrentIndex(kind < ui_->cmbStrucType->count() ? kind : -1);
  ui_->chkStrucLeft->setChecked(side == 0 || side == 1);
  ui_->chkStrucRight->setChecked(side == 0 || side == 2);
}

void ElementPropertiesWindow::FillSegmentTab() {
  const CourseDocument& document = session_.document();
  const Course& course = document.course();
  const int i = document.current_point();
  const int32_t code = course.Points[i].TrackCode;
  const int type = TrackTypeOfCode(code);
  ui_->cmbTrackType->setCurrentIndex(type <= kNoWall ? type : -1);
  ListTextures(type);
  ui_->cmbTexture->setCurrentIndex(TextureListIndex(code));
  ShowFeature(ui_->cmbPit, course.PitArea[i]);
  ShowFeature(ui_->cmbDart, course.DartZone[i]);
  ShowFeature(ui_->cmbSlip, course.SlipZone[i]);
  ListDashes(type);
  ShowFeature(ui_->cmbDash, course.DashPlate[i]);
  ShowFeature(ui_->cmbJump, course.JumpPlate[i]);
  ShowFeature(ui_->cmbTrap, course.TrapField[i]);
  ui_->lblLength->setText(Text(FormatFixed(document.prepared().SegmentLength[i] * 100, 3)));
}

void ElementPropertiesWindow::ListTextures(int track_type) {
  if (track_type == listed_texture_type_) return;
  listed_texture_type_ = track_type;
  ui_->cmbTexture->clear();
  for (const std::string& name : TextureList(track_type)) ui_->cmbTexture->addItem(Text(name));
}

void ElementPropertiesWindow::ListDashes(int track_type) {
  if (track_type == listed_dash_type_) return;
  listed_dash_type_ = track_type;
  ui_->cmbDash->clear();
  ui_->cmbDash->addItem(QString::fromUtf8(kNoneName));
  for (int position = 0; position < kPlatePositions; ++position) {
    ui_->cmbDash->addItem(Text(PlatePositionName(track_type, position)));
  }
}

void ElementPropertiesWindow::EnableAddDelete() {
  const int count = session_.document().course().PointCount;
  ui_->cmdAdd->setEnabled(count < kMaxPoints);
  ui_->cmdAddB->setEnabled(count < kMaxPoints);
  ui_->cmdDelete->setEnabled(count > kMinPoints);
  ui_->cmdDeleteB->setEnabled(count > kMinPoints);
}

// ---------------------------------------------------------------------------------------------
// Commands

void ElementPropertiesWindow::SelectPoint(int point) {
  runner_.Run([&] { session_.document().SelectPoint(point); });
}

void ElementPropertiesWindow::StepPoint(int step) {
  if (session_.document().Dragging()) return;
  const int count = session_.document().course().PointCount;
  const int current = session_.document().current_point();
  SelectPoint((current - 1 + step + count) % count + 1);
}

void ElementPropertiesWindow::ChangeTrackType(int index) {
  if (index < 0) return;
  // A refused type puts the list back to the stored one.
  if (!runner_.Edit([&] { return session_.document().ChangeTrackType(index); })) Refresh(false);
}

void ElementPropertiesWindow::StructureChanged() {
  runner_.Edit([&] {
    return session_.document().SetStructure(ui_->cmbStrucType->currentIndex(),
                                            ui_->chkStrucLeft->isChecked(),
                                            ui_->chkStrucRight->isChecked());
  });
}

void ElementPropertiesWindow::AddPoint() {
  runner_.Edit([&] { return session_.document().AddPoint(); });
}

void ElementPropertiesWindow::DeletePoint() {
  runner_.Edit([&] { return session_.document().DeletePoint(); });
}

namespace {

// The numbers of a row of boxes (an empty box is 0); false when one is refused.
template <size_t N>
bool ReadBoxes(QLineEdit* const (&boxes)[N], double (&values)[N]) {
  bool readable = true;
  for (size_t k = 0; k < N; ++k) {
    values[k] = 0;
    if (ReadTypedNumber(boxes[k]->text(), &values[k]) == TypedNumber::kRefused) readable = false;
  }
  return readable;
}

// The boxes rewritten from their numbers, or set back to 0 when the numbers were refused.
template <size_t N>
void RewriteBoxes(QLineEdit* const (&boxes)[N], const double (&values)[N], bool refused) {
  for (size_t k = 0; k < N; ++k) boxes[k]->setText(Text(FormatFixed(refused ? 0 : values[k], 3)));
}

}  // namespace

void ElementPropertiesWindow::Translate() {
  QLineEdit* const boxes[] = {ui_->txtTX, ui_->txtTY, ui_->txtTZ};
  double amounts[3];
  int16_t result = kEditBadNumber;
  if (ReadBoxes(boxes, amounts)) {
    runner_.Edit(
        [&] { return result = session_.document().Translate(amounts[0], amounts[1], amounts[2]); });
  }
  RewriteBoxes(boxes, amounts, result == kEditBadNumber);
}

void ElementPropertiesWindow::Rotate() {
  QLineEdit* const boxes[] = {ui_->txtRAzim, ui_->txtRElev, ui_->txtRSkew};
  double angles[3];
  int16_t result = kEditBadNumber;
  if (ReadBoxes(boxes, angles)) {
    runner_.Edit(
        [&] { return result = session_.document().Rotate(angles[0], angles[1], angles[2]); });
  }
  RewriteBoxes(boxes, angles, result == kEditBadNumber);
}

void ElementPropertiesWindow::Scale() {
  double factor = 0;
  if (ReadTypedNumber(ui_->txtSFactor->text(), &factor) == TypedNumber::kRefused || !(factor > 0)) {
    ui_->txtSFactor->setText(QStringLiteral("1.0"));
    return;
  }
  runner_.Edit([&] { return session_.document().Scale(factor, ui_->chkSWidth->isChecked()); });
  ui_->txtSFactor->setText(Text(FormatDecimals(factor, 1, 3)));
}

void ElementPropertiesWindow::EkFriendly() {
  runner_.Run([&] {
    for (const Message& message : session_.document().EkFriendly()) {
      dialogs_.ShowMessage(this, MessageIcon::kExclamation, QString::fromUtf8(kEkFriendlyCaption),
                           message);
    }
  });
}

}  // namespace kurvex
