#include "ui/course_properties_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "course/display_names.h"
#include "course/number_text.h"
#include "editing/course_stats.h"
#include "editing/edit_result.h"
#include "editing/horizon_list.h"
#include "editing/property_lists.h"
#include "ui/dialogs.h"
#include "ui/editor_session.h"
#include "ui/special_character_palette.h"
#include "ui_course_properties_window.h"

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
  for (const std::string& entry : entries) combo->addItem(QString::fromStdString(entry));
}

void ShowIndex(QComboBox* combo, int index) {
  QSignalBlocker blocker(combo);
  combo->setCurrentIndex(index);
}

QString Number(int n) { return QString::number(n); }

}  // namespace

CoursePropertiesWindow::CoursePropertiesWindow(EditorSession& session, Dialogs& dialogs,
                                               QWidget* owner)
    : ToolWindow(session, QStringLiteral("Course Properties"), owner),
      dialogs_(dialogs),
      ui_(std::make_unique<Ui::CoursePropertiesWindow>()) {
  ui_->setupUi(this);
  setWindowTitle(QStringLiteral("Course Properties"));
  fields_ = {std::make_unique<GameTextField>(TextFieldKind::kName),
             std::make_unique<GameTextField>(TextFieldKind::kDescription),
             std::make_unique<GameTextField>(TextFieldKind::kJapanese)};
  for (int which = 0; which < kFields; ++which) {
    box(which)->SetGameFont(&font_);
    box(which)->SetRoomFor(static_cast<int>(FieldLengthLimit(field(which).Kind())));
  }
  ui_->picSpecial->SetGameFont(&font_);
  ui_->picPreview->setFixedSize(kHorizonImageSide * kPreviewZoom, kHorizonImageSide * kPreviewZoom);

  FillList(ui_->cmbVenue, VenueList());
  FillList(ui_->cmbSky, SkyList());
  FillList(ui_->cmbMusic1, RomMusicList());
  FillList(ui_->cmbMusic2, EkMusicList());
  std::vector<std::string> images;
  for (int image = 1; image <= kHorizonImageCount; ++image) {
    images.push_back(HorizonImageName(image));
  }
  FillList(ui_->cmbHorizonImage, images);
  // The image names tell the images apart only at their ends ("Devil's Forest A" and "B"):
  // this list is as wide as its longest name.
  ui_->cmbHorizonImage->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  ConnectFields();
  ConnectLists();
  ConnectHorizons();
  connect(&session_, &EditorSession::documentChanged, this, [this](const DocumentChange& change) {
    if (change.replaced) {
      // Another course: its texts are edited from their start.
      for (auto& text_field : fields_) text_field->FigureIns(session_.document().course(), 0);
    }
    if (change.replaced || change.course) Updatez();
  });
  connect(&session_, &EditorSession::texturesChanged, this,
          &CoursePropertiesWindow::ShowHorizonPreview);
  Updatez();
}

CoursePropertiesWindow::~CoursePropertiesWindow() { StopListening(); }

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

// ---- Filling the controls -------------------------------------------------------------------

void CoursePropertiesWindow::Updatez() {
  QScopedValueRollback<bool> guard(updating_, true);
  for (int which = 0; which < kFields; ++which) ShowField(which);
  ShowLists();
  ShowSource();
  ShowHorizons();
  Stats();
}

void CoursePropertiesWindow::ShowField(int which) {
  const Course& course = session_.document().course();
  box(which)->SetText(field(which).Text(course));
  box(which)->SetInsertionX(field(which).InsertionX(course));
}

void CoursePropertiesWindow::ShowLists() {
  const Course& course = session_.document().course();
  // Showing an index never stores it: a music number without an entry shows entry 0 and stays.
  ShowIndex(ui_->cmbVenue, VenueIndex(course.Venue));
  ShowIndex(ui_->cmbSky, SkyIndex(course.Sky));
  ShowIndex(ui_->cmbMusic1, RomMusicIndex(course.RomMusic));
  ShowIndex(ui_->cmbMusic2, EkMusicIndex(course.EkMusic));
}

void CoursePropertiesWindow::ShowSource() {
  // The box being typed in already shows what it stores; rewriting it would move the cursor.
  if (typing_in_ == ui_->txtSource) return;
  const QString source = QString::fromStdString(session_.document().course().Source);
  if (ui_->txtSource->text() != source) {
    QSignalBlocker blocker(ui_->txtSource);
    ui_->txtSource->setText(source);
  }
}

void CoursePropertiesWindow::ShowHorizons() {
  const int count = HorizonEntries(session_.document().course());
  if (ui_->cmbHorizonElement->count() != count) {
    QSignalBlocker blocker(ui_->cmbHorizonElement);
    ui_->cmbHorizonElement->clear();
    for (int entry = 1; entry <= count; ++entry) ui_->cmbHorizonElement->addItem(Number(entry));
  }
  horizon_entry_ = std::min(std::max(horizon_entry_, count > 0 ? 1 : 0), count);
  ShowIndex(ui_->cmbHorizonElement, horizon_entry_ - 1);
  const bool any = count > 0;
  for (QWidget* control : std::initializer_list<QWidget*>{
           ui_->cmbHorizonElement, ui_->cmbHorizonImage, ui_->txtAngle, ui_->cmdDelete,
           ui_->lblHorizonElement, ui_->lblHorizonImage, ui_->lblAngle, ui_->fraPreview}) {
    control->setEnabled(any);
  }
  ui_->cmdAdd->setEnabled(count < kMaxHorizons);
  ShowHorizonEntry();
}

void CoursePropertiesWindow::ShowHorizonEntry() {
  const Course& course = session_.document().course();
  ShowIndex(ui_->cmbHorizonImage,
            horizon_entry_ > 0 ? HorizonImageIndex(course, horizon_entry_) : -1);
  if (typing_in_ != ui_->txtAngle) {
    QSignalBlocker blocker(ui_->txtAngle);
    ui_->txtAngle->setText(horizon_entry_ > 0 ? QString::fromStdString(FormatFixed(
                                                    course.HorizonAngle[horizon_entry_], 3))
                                              : QString());
  }
  ShowHorizonPreview();
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

void CoursePropertiesWindow::Stats() {
  const CourseDocument& document = session_.document();
  const CourseStats stats = kurvex::Stats(document.course(), document.prepared());
  const auto yes_no = [](bool b) { return QStringLiteral("%1").arg(b ? "Yes" : "No"); };
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

// ---- The game text fields -------------------------------------------------------------------

void CoursePropertiesWindow::ConnectFields() {
  for (int which = 0; which < kFields; ++which) {
    GameTextBox* text_box = box(which);
    connect(text_box, &GameTextBox::keyPressed, this,
            [this, which](const TextKey& key) { FieldKey(which, key); });
    connect(text_box, &GameTextBox::clicked, this,
            [this, which](int game_x) { FieldClicked(which, game_x); });
    connect(text_box, &GameTextBox::focusEntered, this, [this, which] { FieldFocused(which); });
    // Leaving a field ends its typing: the keystrokes become one step.
    connect(text_box, &GameTextBox::focusLeft, this,
            [this] { session_.document().FinishTyping(); });
  }
  connect(ui_->picSpecial, &SpecialCharacterPalette::clicked, this,
          &CoursePropertiesWindow::PaletteClicked);
  connect(ui_->txtSource, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (updating_) return;
    QScopedValueRollback<QLineEdit*> typing(typing_in_, ui_->txtSource);
    Refused(session_.document().SetSource(text.toStdString()));
  });
  connect(ui_->txtSource, &QLineEdit::editingFinished, this,
          [this] { session_.document().FinishTyping(); });
}

void CoursePropertiesWindow::FieldFocused(int which) {
  active_ = field(which).Kind();
  ui_->picSpecial->SetActiveField(active_);
}

void CoursePropertiesWindow::FieldKey(int which, const TextKey& key) {
  FieldFocused(which);
  Refused(session_.document().TextFieldKey(field(which), key));
  ShowField(which);  // a move changes no course, so no notification shows it
  box(which)->ReInsert();
}

void CoursePropertiesWindow::FieldClicked(int which, int game_x) {
  FieldFocused(which);
  field(which).FigureIns(session_.document().course(), game_x);
  ShowField(which);
  box(which)->ReInsert();
}

void CoursePropertiesWindow::PaletteClicked(int x, int y) {
  const int which = static_cast<int>(active_) - 1;
  Refused(session_.document().PaletteClick(field(which), x, y));
  ShowField(which);
  box(which)->ReInsert();
}

// ---- Lists and horizons ---------------------------------------------------------------------

void CoursePropertiesWindow::ConnectLists() {
  CourseDocument& document = session_.document();
  const auto on_choice = [this](QComboBox* combo, auto choose) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this, choose](int index) {
      if (!updating_) Refused(choose(index));
    });
  };
  on_choice(ui_->cmbVenue, [&document](int i) { return document.ChooseVenue(i); });
  on_choice(ui_->cmbSky, [&document](int i) { return document.ChooseSky(i); });
  on_choice(ui_->cmbMusic1, [&document](int i) { return document.ChooseRomMusic(i); });
  on_choice(ui_->cmbMusic2, [&document](int i) { return document.ChooseEkMusic(i); });
}

void CoursePropertiesWindow::ConnectHorizons() {
  connect(ui_->cmbHorizonElement, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (updating_) return;
    horizon_entry_ = index + 1;
    QScopedValueRollback<bool> guard(updating_, true);
    ShowHorizonEntry();
  });
  connect(ui_->cmbHorizonImage, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!updating_ && horizon_entry_ > 0) {
      Refused(session_.document().ChooseHorizonImage(horizon_entry_, index));
    }
  });
  connect(ui_->txtAngle, &QLineEdit::textEdited, this, &CoursePropertiesWindow::AngleEdited);
  connect(ui_->txtAngle, &QLineEdit::editingFinished, this, [this] {
    session_.document().FinishTyping();
    QScopedValueRollback<bool> guard(updating_, true);
    ShowHorizonEntry();  // "0.000" again
  });
  connect(ui_->cmdAdd, &QPushButton::clicked, this, [this] {
    int entry = 0;
    if (session_.document().AddHorizon(&entry) == kEditOk) {
      horizon_entry_ = entry;
      QScopedValueRollback<bool> guard(updating_, true);
      ShowHorizons();
    }
  });
  connect(ui_->cmdDelete, &QPushButton::clicked, this, [this] {
    int selected = 0;
    if (session_.document().DeleteHorizon(horizon_entry_, &selected) == kEditOk) {
      horizon_entry_ = selected;
      QScopedValueRollback<bool> guard(updating_, true);
      ShowHorizons();
    }
  });
}

void CoursePropertiesWindow::AngleEdited(const QString& text) {
  if (updating_ || horizon_entry_ < 1) return;
  const ParsedNumber number = ReadLeadingNumber(text.toStdString());
  if (number.overflow || !std::isfinite(number.value)) {
    // Refused: the box shows the stored angle again.
    QScopedValueRollback<bool> guard(updating_, true);
    ShowHorizonEntry();
    return;
  }
  QScopedValueRollback<QLineEdit*> typing(typing_in_, ui_->txtAngle);
  Refused(session_.document().SetHorizonAngle(horizon_entry_, number.value));
}

void CoursePropertiesWindow::Refused(int16_t result) {
  const Message message = EditMessage(result);
  if (message.empty()) return;
  dialogs_.ShowMessage(this, MessageIcon::kExclamation,
                       QString::fromStdString(EditMessageCaption(result)), message);
}

}  // namespace kurvex
