#pragma once
// Peers of the text controls: one-line edits (labelled or not), memos and combo
// boxes. Qt never edits the text of an edit or a combo box itself: a typed key goes
// to the model's TypeKey, and the next sync shows the text the model then holds.
// An edit's cursor and selection are the model's too: the user moves them in Qt,
// and the model learns of it at once.
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/QtPeer.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TCustomEdit;
class TStringList;

class QtEditPeer : public QtPeer {
public:
  QtEditPeer(QtPeerContext& context, std::uint64_t id);
  bool Filter(QObject* watched, QEvent* event) override;

protected:
  void SyncContent(TControl& control) override;
  // A field is as wide as the bits it holds: its whole code must fit it.
  QFont ShownFont(const TFont& font) const override;

private:
  // Posts edits to the model and counts those still on their way.
  struct EditPoster {
    QtPeerContext* Context;
    std::uint64_t Id;
    std::shared_ptr<int> OnTheirWay;
    void operator()(std::function<void(TCustomEdit&)> action) const;
  };

  bool FilterKey(QKeyEvent& key);
  // Mouse events Qt must not see, though the model does.
  bool KeepsMouseFromQt(QEvent& event);
  void ShowEditMenu(const TCustomEdit& edit, const QPoint& globalPos);
  void SyncSelection(const TCustomEdit& edit);

  QLineEdit* FEdit;
  EditPoster FPost;
  char32_t FPasswordChar = 0;
  bool FProgramDrags = false;  // the program's mouse handlers move the field
  bool FDragging = false;
};

// A labelled edit: the edit, and its label beside it in the same container, placed
// by the label position.
class QtLabeledEditPeer : public QtEditPeer {
public:
  QtLabeledEditPeer(QtPeerContext& context, std::uint64_t id);
  ~QtLabeledEditPeer() override;
  void Sync(TControl& control, QWidget* container) override;

private:
  QPointer<QLabel> FLabel;
  TFont FLabelFont;
  bool FLabelFontSet = false;
};

// A memo. Qt edits the text of a memo that is not read-only itself: what the user
// types there stays in the widget, and the program's lines replace it.
class QtMemoPeer : public QtPeer {
public:
  QtMemoPeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl& control) override;
  QWidget* MouseWidget() const override;
  QFont ShownFont(const TFont& font) const override;

private:
  void SyncScrollBars(bool scrollBars);
  void SyncLines(const TStringList& lines);

  QPlainTextEdit* FMemo;
  std::vector<std::string> FLines;
};

class QtComboBoxPeer : public QtPeer {
public:
  QtComboBoxPeer(QtPeerContext& context, std::uint64_t id);
  bool Filter(QObject* watched, QEvent* event) override;

protected:
  void SyncContent(TControl& control) override;
  bool ClicksOnRelease() const override { return false; }
  // A combo box stands in a narrow place: a pin's role must fit it.
  QFont ShownFont(const TFont& font) const override;

private:
  QComboBox* FCombo;
  std::vector<std::string> FItems;
};
