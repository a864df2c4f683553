#pragma once
// Peers of the simple controls: labels, buttons, pictures, the status bar, radio
// groups and up-down arrows.
#include <string>
#include <vector>

#include "platform/qt/QtPeer.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolButton;

class QtLabelPeer : public QtPeer {
public:
  QtLabelPeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl& control) override;
  // Like an auto-sized label, the text is never cut: the label grows to hold it.
  QRect PlaceOf(const TControl& control) const override;
  bool IsGraphicControl() const override { return true; }

private:
  QLabel* FLabel;
};

// Buttons with a caption and, for a bit button, an optional picture.
class QtButtonPeer : public QtPeer {
public:
  QtButtonPeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl& control) override;
  bool ClicksOnRelease() const override { return false; }

private:
  QPushButton* FButton;
  const char* const* FGlyph = nullptr;
};

class QtSpeedButtonPeer : public QtPeer {
public:
  QtSpeedButtonPeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl& control) override;
  bool ClicksOnRelease() const override { return false; }
  bool IsGraphicControl() const override { return true; }

private:
  QToolButton* FButton;
};

class QtImagePeer : public QtPeer {
public:
  QtImagePeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl& control) override;
  bool IsGraphicControl() const override { return true; }

private:
  QLabel* FLabel;
  const char* const* FPicture = nullptr;
  bool FTransparent = false;
};

class QtStatusBarPeer : public QtPeer {
public:
  QtStatusBarPeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl& control) override;

private:
  QStatusBar* FBar;
};

class QtRadioGroupPeer : public QtPeer {
public:
  QtRadioGroupPeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl& control) override;
  bool ClicksOnRelease() const override { return false; }

private:
  void RebuildButtons(const std::vector<std::string>& items);

  QGroupBox* FBox;
  QButtonGroup* FButtons;
  std::vector<std::string> FItems;
};

// The two arrows of an up-down control; they only ask the model to step.
class QtUpDownPeer : public QtPeer {
public:
  QtUpDownPeer(QtPeerContext& context, std::uint64_t id);

protected:
  void SyncContent(TControl&) override {}
  bool ClicksOnRelease() const override { return false; }
};
