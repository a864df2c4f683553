#include "platform/qt/QtControlPeers.h"

#include <QBitmap>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/gui/Controls.h"
#include "platform/qt/QtText.h"

namespace {

void SetText(QLabel* label, const std::string& text) {
  const QString wanted = ToQt(text);
  if (label->text() != wanted) label->setText(wanted);
}

template <typename Button>
void SetText(Button* button, const std::string& text) {
  const QString wanted = ToQt(text);
  if (button->text() != wanted) button->setText(wanted);
}

// A picture whose pixels of the given colour are not drawn.
QPixmap WithTransparent(QPixmap picture, const QColor& color) {
  picture.setMask(picture.createMaskFromColor(color, Qt::MaskInColor));
  return picture;
}

}  // namespace

QtLabelPeer::QtLabelPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FLabel(new QLabel) {
  FLabel->setTextFormat(Qt::PlainText);
  FLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetWidget(FLabel);
}

void QtLabelPeer::SyncContent(TControl& control) {
  SetText(FLabel, static_cast<TLabel&>(control).Caption);
}

QRect QtLabelPeer::PlaceOf(const TControl& control) const {
  const auto& label = static_cast<const TLabel&>(control);
  const QSize text = QFontMetrics(ModelFont(label.Font)).size(0, ToQt(label.Caption));
  return QRect(label.Left, label.Top, std::max(label.Width, text.width()),
               std::max(label.Height, text.height()));
}

QtButtonPeer::QtButtonPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FButton(new QPushButton) {
  FButton->setAutoDefault(false);
  QObject::connect(FButton, &QPushButton::clicked, [this] { Post<TButton>([](TButton& b) { b.Click(); }); });
  SetWidget(FButton);
}

void QtButtonPeer::SyncContent(TControl& control) {
  auto& button = static_cast<TButton&>(control);
  SetText(FButton, button.Caption);
  auto* bitButton = dynamic_cast<TBitBtn*>(&button);
  const char* const* glyph = bitButton ? bitButton->Glyph : nullptr;
  if (glyph != FGlyph) {
    FGlyph = glyph;
    if (glyph) {
      // The colour of the bottom-left pixel is the glyph's background.
      const QPixmap picture(glyph);
      const QColor background = picture.toImage().pixelColor(0, picture.height() - 1);
      FButton->setIcon(QIcon(WithTransparent(picture, background)));
      FButton->setIconSize(picture.size());
    } else {
      FButton->setIcon(QIcon());
    }
  }
  const Qt::LayoutDirection direction =
      bitButton && bitButton->GlyphAfterCaption ? Qt::RightToLeft : Qt::LeftToRight;
  if (FButton->layoutDirection() != direction) FButton->setLayoutDirection(direction);
}

QtSpeedButtonPeer::QtSpeedButtonPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FButton(new QToolButton) {
  QObject::connect(FButton, &QToolButton::clicked,
                   [this] { Post<TSpeedButton>([](TSpeedButton& b) { b.Click(); }); });
  SetWidget(FButton);
}

void QtSpeedButtonPeer::SyncContent(TControl& control) {
  SetText(FButton, static_cast<TSpeedButton&>(control).Caption);
}

QtImagePeer::QtImagePeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FLabel(new QLabel) {
  FLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetWidget(FLabel);
}

void QtImagePeer::SyncContent(TControl& control) {
  auto& image = static_cast<TImage&>(control);
  if (image.Picture == FPicture && image.Transparent == FTransparent) return;
  FPicture = image.Picture;
  FTransparent = image.Transparent;
  if (!FPicture) {
    FLabel->clear();
    return;
  }
  const QPixmap picture(FPicture);
  FLabel->setPixmap(FTransparent ? WithTransparent(picture, Qt::white) : picture);
}

QtStatusBarPeer::QtStatusBarPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FBar(new QStatusBar) {
  FBar->setSizeGripEnabled(false);
  SetWidget(FBar);
}

void QtStatusBarPeer::SyncContent(TControl& control) {
  const QString text = ToQt(static_cast<TStatusBar&>(control).SimpleText);
  if (FBar->currentMessage() != text) FBar->showMessage(text);
}

QtRadioGroupPeer::QtRadioGroupPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FBox(new QGroupBox), FButtons(new QButtonGroup(FBox)) {
  auto* layout = new QVBoxLayout(FBox);
  layout->setContentsMargins(6, 0, 2, 2);
  layout->setSpacing(0);
  QObject::connect(FButtons, &QButtonGroup::idClicked, [this](int index) {
    Post<TRadioGroup>([index](TRadioGroup& group) { group.ChooseItem(index); });
  });
  SetWidget(FBox);
}

void QtRadioGroupPeer::RebuildButtons(const std::vector<std::string>& items) {
  for (QAbstractButton* button : FButtons->buttons()) delete button;
  for (std::size_t i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(ToQt(items[i]), FBox);
    // The items share the height of the group evenly, as in a radio group.
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    FButtons->addButton(button, static_cast<int>(i));
    FBox->layout()->addWidget(button);
  }
  FItems = items;
}

void QtRadioGroupPeer::SyncContent(TControl& control) {
  auto& group = static_cast<TRadioGroup&>(control);
  const QString title = ToQt(group.Caption);
  if (FBox->title() != title) FBox->setTitle(title);
  if (group.Items != FItems) RebuildButtons(group.Items);
  QAbstractButton* wanted = FButtons->button(group.ItemIndex);
  if (FButtons->checkedButton() == wanted) return;
  const QSignalBlocker blocker(FButtons);
  // An exclusive group cannot be left with no button checked.
  FButtons->setExclusive(false);
  for (QAbstractButton* button : FButtons->buttons()) button->setChecked(button == wanted);
  FButtons->setExclusive(true);
}

QtUpDownPeer::QtUpDownPeer(QtPeerContext& context, std::uint64_t id) : QtPeer(context, id) {
  auto* arrows = new QWidget;
  auto* layout = new QVBoxLayout(arrows);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const auto arrow = [&](Qt::ArrowType type, std::function<void(TUpDown&)> step) {
    auto* button = new QToolButton(arrows);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QToolButton::clicked, [this, step] { Post<TUpDown>(step); });
    layout->addWidget(button);
  };
  arrow(Qt::UpArrow, [](TUpDown& u) { u.ClickUp(); });
  arrow(Qt::DownArrow, [](TUpDown& u) { u.ClickDown(); });
  SetWidget(arrows);
}
