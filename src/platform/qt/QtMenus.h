#pragma once
// Menus on screen: a window's menu bar and a control's pop-up menu, built from the
// model's menu items. Choosing an item, by mouse or by its short-cut, calls the
// item's Click. An item is enabled only while it and every menu above it is, so a
// disabled menu's short-cuts do nothing.
#include <QPointer>
#include <cstdint>
#include <unordered_map>
#include <vector>

class QAction;
class QObject;
class QWidget;
class QtPeerContext;
class TMenuItem;

class QtMenuPeer {
public:
  explicit QtMenuPeer(QtPeerContext& context) : FContext(context) {}
  ~QtMenuPeer();
  QtMenuPeer(const QtMenuPeer&) = delete;
  QtMenuPeer& operator=(const QtMenuPeer&) = delete;

  // Shows the items below `root` in `container` (a QMenuBar or a QMenu): builds
  // them anew when items were added or removed, else updates their captions,
  // short-cuts and states.
  void Sync(const TMenuItem& root, QWidget* container);
  // The action that shows an item, or none.
  QAction* ActionOf(const TMenuItem& item) const;

private:
  struct ShapeEntry {
    std::uint64_t Id, ParentId;
    bool HasItems;
    bool operator==(const ShapeEntry&) const = default;
  };
  static void CollectShape(const TMenuItem& parent, std::vector<ShapeEntry>& shape);
  void Build(const TMenuItem& parent, QWidget* container);
  void Clear();

  QtPeerContext& FContext;
  std::vector<ShapeEntry> FShape;
  std::unordered_map<std::uint64_t, QAction*> FActions;
  std::vector<QPointer<QObject>> FCreated;  // the actions and menus made directly in the container
};
