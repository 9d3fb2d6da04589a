#include "ui/course_properties_window.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <algorithm>

#include "course/display_names.h"
#include "course/number_text.h"
#include "editing/course_stats.h"
#include "editing/edit_result.h"
#include "editing/horizon_list.h"
#include "editing/property_lists.h"
#include "forms/ui_course_properties_window.h"
#include "ui/bound_controls.h"
#include "ui/editor_session.h"
#include "ui/special_character_palette.h"
#include "ui/translation.h"

namespace kurvex {

namespace {

constexpr int kPreviewZoom = 2;

void FillList(QComboBox* combo, const std::vector<std::string>& entries) {
  // Long entries may be cut rather than widen the window beyond its column.
  constexpr int kShortestList = 10;  // characters
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(kShortestList);
  QSignalBlocker blocker(combo);
  combo->clear();
  for (const std::string& entry : entries) combo->addItem(Translated(entry));
}

QString Number(int n) { return QString::number(n); }

}  // namespace

CoursePropertiesWindow::CoursePropertiesWindow(EditorSession& session, Dialogs& dialogs,
                                               QWidget* owner)
    : ToolWindow(session, tr("Course Properties"), owner),
      ui_(std::make_unique<Ui::CoursePropertiesWindow>()),
      runner_(session, dialogs, this, tr("Course Properties")) {
  ui_->setupUi(this);
  setWindowTitle(tr("Course Properties"));
  controls_ = std::make_unique<BoundControls>(runner_, nullptr);
  fields_ = {std::make_unique<GameTextField>(TextFieldKind::kName),
             std::make_unique<GameTextField>(TextFieldKind::kDescription),
             std::make_unique<GameTextField>(TextFieldKind::kJapanese)};
  for (int which = 0; which < kFields; ++which) {
    box(which)->SetGameFont(&font_);
    box(which)->SetRoomFor(static_cast<int>(FieldLengthLimit(field(which).Kind())));
  }
  ui_->picSpecial->SetGameFont(&font_);
  ui_->picPreview->setFixedSize(kHorizonImageSide * kPreviewZoom, kHorizonImageSide * kPreviewZoom);

  BindFields();
  BindLists();
  BindHorizons();
  connect(&session_, &EditorSession::documentChanged, this, [this](const DocumentChange& change) {
    if (change.replaced) {
      // Another course: its texts are edited from their start.
      for (auto& text_field : fields_) {
        text_field->PlaceInsertionNear(session_.document().course(), 0);
      }
    }
    if (change.replaced || change.course) Refresh();
  });
  connect(&session_, &EditorSession::texturesChanged, this,
          &CoursePropertiesWindow::ShowHorizonPreview);
  Refresh();
}

CoursePropertiesWindow::~CoursePropertiesWindow() {
  controls_.reset();
  StopListening();
}

QSize CoursePropertiesWindow::sizeHint() const {
  // A column beside the preview: the palette at twice its size fits, the statistics beside
  // the horizon list.
  // The pages scroll when the window is made smaller than they need, so their own hints count.
  constexpr int kNarrowest = 560, kWidest = 700;
  const QSize pages = ui_->scrollTrackId->sizeHint().expandedTo(ui_->scrollMisc->sizeHint());
  const QSize frame = QWidget::sizeHint() - pages;  // tab bar, frames and margins
  const QSize content =
      ui_->contentTrackId->sizeHint().expandedTo(ui_->contentMisc->sizeHint()) + frame;
  return {std::clamp(content.width(), kNarrowest, kWidest), content.height()};
}

GameTextBox* CoursePropertiesWindow::box(int which) const {
  GameTextBox* boxes[kFields] = {ui_->picName, ui_->picDescription, ui_->picJapanese};
  return boxes[which];
}

// ---- Showing the course ---------------------------------------------------------------------

void CoursePropertiesWindow::Refresh() {
  for (int which = 0; which < kFields; ++which) ShowField(which);
  ShowHorizons();
  controls_->Refresh();
  ShowHorizonPreview();
  ShowStats();
}

void CoursePropertiesWindow::ShowField(int which) {
  const Course& course = session_.document().course();
  box(which)->SetText(field(which).Text(course));
  box(which)->SetInsertionX(field(which).InsertionX(course));
}

void CoursePropertiesWindow::ShowHorizons() {
  const int count = HorizonEntries(session_.document().course());
  if (ui_->cmbHorizonElement->count() != count) {
    QSignalBlocker blocker(ui_->cmbHorizonElement);
    ui_->cmbHorizonElement->clear();
    for (int entry = 1; entry <= count; ++entry) ui_->cmbHorizonElement->addItem(Number(entry));
  }
  horizon_entry_ = std::min(std::max(horizon_entry_, count > 0 ? 1 : 0), count);
  const bool any = count > 0;
  for (QWidget* control : std::initializer_list<QWidget*>{
           ui_->cmbHorizonElement, ui_->cmbHorizonImage, ui_->txtAngle, ui_->cmdDelete,
           ui_->lblHorizonElement, ui_->lblHorizonImage, ui_->lblAngle, ui_->fraPreview}) {
    control->setEnabled(any);
  }
  ui_->cmdAdd->setEnabled(count < kMaxHorizons);
}

void CoursePropertiesWindow::ShowHorizonPreview() {
  const Course& course = session_.document().course();
  const int image = horizon_entry_ > 0 ? course.HorizonImage[horizon_entry_] : 0;
  const TextureImage texture = session_.textures().HorizonTexture(image);
  const bool shown =
      session_.textures_loaded() && image >= 1 && image <= kHorizonImageCount && texture.Valid();
  ui_->picPreview->setVisible(shown);
  ui_->lblNoPreview->setVisible(!shown);
  if (!shown) {
    ui_->picPreview->clear();
    return;
  }
  const QImage picture(texture.pixels, texture.width, texture.height, texture.width * 4,
                       QImage::Format_RGBA8888);
  QPixmap pixmap(ui_->picPreview->size());
  pixmap.fill(Qt::black);
  QPainter painter(&pixmap);
  painter.drawImage(QRect(QPoint(0, 0), pixmap.size()), picture);  // nearest: the pixels stay
  painter.end();
  ui_->picPreview->setPixmap(pixmap);
}

void CoursePropertiesWindow::ShowStats() {
  const CourseDocument& document = session_.document();
  const CourseStats stats = Stats(document.course(), document.prepared());
  const auto yes_no = [](bool b) { return b ? tr("Yes") : tr("No"); };
  ui_->lblPoints->setText(Number(stats.points));
  ui_->lblLength->setText(QString::fromStdString(FormatFixed(stats.course_length * 100, 3)));
  ui_->lblDash->setText(Number(stats.counts.dash_plates));
  ui_->lblJump->setText(Number(stats.counts.jump_plates));
  ui_->lblTrap->setText(Number(stats.counts.trap_fields));
  ui_->lblDecor->setText(Number(stats.counts.widgets));
  ui_->lblEFriendly->setText(yes_no(stats.ek_friendly));
  ui_->lblRFriendly->setText(yes_no(stats.rom_friendly));
  ui_->lblLap->setText(QString::fromStdString(stats.lap_line));
}

// ---- The game text fields and the source ----------------------------------------------------

void CoursePropertiesWindow::BindFields() {
  for (int which = 0; which < kFields; ++which) {
    GameTextBox* text_box = box(which);
    connect(text_box, &GameTextBox::keyPressed, this,
            [this, which](const TextKey& key) { FieldKey(which, key); });
    connect(text_box, &GameTextBox::clicked, this,
            [this, which](int game_x) { FieldClicked(which, game_x); });
    connect(text_box, &GameTextBox::focusEntered, this, [this, which] { FieldFocused(which); });
    // Leaving a field ends its typing: the keystrokes become one step.
    connect(text_box, &GameTextBox::focusLeft, this, [this] { runner_.FinishTyping(); });
  }
  connect(ui_->picSpecial, &SpecialCharacterPalette::clicked, this,
          &CoursePropertiesWindow::PaletteClicked);
  CourseDocument& document = session_.document();
  BoundControls::TextRule source;
  source.on_key = [this, &document](const QString& text) {
    return ReplyTo(runner_.Step([&] { return document.SetSource(text.toStdString()); })).done;
  };
  source.finished = [this] { runner_.FinishTyping(); };
  source.shown = [&document] { return QString::fromStdString(document.course().Source); };
  source.still_typing = [&document] { return document.InGesture(); };
  controls_->AddText(ui_->txtSource, source);
}

void CoursePropertiesWindow::FieldFocused(int which) {
  active_ = field(which).Kind();
  ui_->picSpecial->SetActiveField(active_);
}

void CoursePropertiesWindow::FieldKey(int which, const TextKey& key) {
  FieldFocused(which);
  runner_.Step([&] { return session_.document().TextFieldKey(field(which), key); });
  ShowField(which);  // a move changes no course, so no notification shows it
  box(which)->ReInsert();
}

void CoursePropertiesWindow::FieldClicked(int which, int game_x) {
  FieldFocused(which);
  runner_.Run([&] { field(which).PlaceInsertionNear(session_.document().course(), game_x); });
  ShowField(which);
  box(which)->ReInsert();
}

void CoursePropertiesWindow::PaletteClicked(int x, int y) {
  const int which = static_cast<int>(active_) - 1;
  runner_.Step([&] { return session_.document().PaletteClick(field(which), x, y); });
  ShowField(which);
  box(which)->ReInsert();
}

// ---- Lists and horizons ---------------------------------------------------------------------

void CoursePropertiesWindow::BindLists() {
  FillList(ui_->cmbVenue, VenueList());
  FillList(ui_->cmbSky, SkyList());
  FillList(ui_->cmbMusic1, RomMusicList());
  FillList(ui_->cmbMusic2, EkMusicList());
  CourseDocument& document = session_.document();
  const Course& course = document.course();
  // Showing an index never stores it: a music number without an entry shows entry 0 and stays.
  controls_->AddList(
      ui_->cmbVenue, [&course] { return VenueIndex(course.Venue); },
      [&document](int i) { return document.ChooseVenue(i); });
  controls_->AddList(
      ui_->cmbSky, [&course] { return SkyIndex(course.Sky); },
      [&document](int i) { return document.ChooseSky(i); });
  controls_->AddList(
      ui_->cmbMusic1, [&course] { return RomMusicIndex(course.RomMusic); },
      [&document](int i) { return document.ChooseRomMusic(i); });
  controls_->AddList(
      ui_->cmbMusic2, [&course] { return EkMusicIndex(course.EkMusic); },
      [&document](int i) { return document.ChooseEkMusic(i); });
}

void CoursePropertiesWindow::SelectHorizon(int entry) {
  horizon_entry_ = entry;
  ShowHorizons();
  controls_->Refresh();
  ShowHorizonPreview();
}

void CoursePropertiesWindow::BindHorizons() {
  std::vector<std::string> images;
  for (int image = 1; image <= kHorizonImageCount; ++image) {
    images.push_back(HorizonImageName(image));
  }
  FillList(ui_->cmbHorizonImage, images);
  // The image names tell the images apart only at their ends ("Devil's Forest A" and "B"):
  // this list is as wide as its longest name.
  ui_->cmbHorizonImage->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  CourseDocument& document = session_.document();
  const Course& course = document.course();
  // The entry shown is the window's own choice, not the course's.
  controls_->AddList(
      ui_->cmbHorizonElement, [this] { return horizon_entry_ - 1; },
      [this](int index) {
        SelectHorizon(index + 1);
        return int16_t{kEditOk};
      });
  controls_->AddList(
      ui_->cmbHorizonImage,
      [this, &course] {
        return horizon_entry_ > 0 ? HorizonImageIndex(course, horizon_entry_) : -1;
      },
      [this, &document](int index) {
        return horizon_entry_ > 0 ? document.ChooseHorizonImage(horizon_entry_, index)
                                  : int16_t{kEditUnchanged};
      });
  BoundControls::NumberRule angle;
  angle.on_key = [this, &document](double degrees) {
    return horizon_entry_ > 0 ? document.SetHorizonAngle(horizon_entry_, degrees)
                              : int16_t{kEditUnchanged};
  };
  angle.finished = [this] { runner_.FinishTyping(); };
  angle.shown = [this, &course] {
    return horizon_entry_ > 0
               ? QString::fromStdString(FormatFixed(course.HorizonAngle[horizon_entry_], 3))
               : QString();
  };
  angle.still_typing = [&document] { return document.InGesture(); };
  controls_->AddNumber(ui_->txtAngle, angle);
  connect(ui_->cmdAdd, &QPushButton::clicked, this, [this, &document] {
    int entry = 0;
    int16_t result = kEditUnchanged;
    runner_.Edit([&] { return result = document.AddHorizon(&entry); });
    if (result == kEditOk) SelectHorizon(entry);
  });
  connect(ui_->cmdDelete, &QPushButton::clicked, this, [this, &document] {
    int selected = 0;
    int16_t result = kEditUnchanged;
    runner_.Edit([&] { return result = document.DeleteHorizon(horizon_entry_, &selected); });
    if (result == kEditOk) SelectHorizon(selected);
  });
}

}  // namespace kurvex
