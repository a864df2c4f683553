#include "platform/qt/QtMenus.h"

#include <QAction>
#include <QMenu>

#include "platform/gui/Menus.h"
#include "platform/qt/QtPeer.h"
#include "platform/qt/QtText.h"

namespace {


void UpdateAction(QAction* action, const TMenuItem& item) {
  const bool separator = item.Caption == "-";
  if (action->isSeparator() != separator) action->setSeparator(separator);
  const QString text = ToQt(item.Caption);
  if (action->text() != text) action->setText(text);
  const QKeySequence shortCut = ToKeySequence(item.ShortCut);
  if (action->shortcut() != shortCut) action->setShortcut(shortCut);
  if (action->isVisible() != item.Visible) action->setVisible(item.Visible);
  const bool enabled = item.IsReachable();
  if (action->isEnabled() != enabled) action->setEnabled(enabled);
}

void UpdateAll(const TMenuItem& parent, const std::unordered_map<std::uint64_t, QAction*>& actions) {
  for (const TMenuItem* item : parent.Items()) {
    if (auto found = actions.find(item->Id()); found != actions.end()) UpdateAction(found->second, *item);
    UpdateAll(*item, actions);
  }
}

}  // namespace

QtMenuPeer::~QtMenuPeer() { Clear(); }

void QtMenuPeer::CollectShape(const TMenuItem& parent, std::vector<ShapeEntry>& shape) {
  for (const TMenuItem* item : parent.Items()) {
    shape.push_back({item->Id(), parent.Id(), !item->Items().empty()});
    CollectShape(*item, shape);
  }
}

void QtMenuPeer::Clear() {
  for (const QPointer<QObject>& object : FCreated) delete object.data();
  FCreated.clear();
  FActions.clear();
  FShape.clear();
}

void QtMenuPeer::Sync(const TMenuItem& root, QWidget* container) {
  std::vector<ShapeEntry> shape;
  CollectShape(root, shape);
  if (shape != FShape) {
    Clear();
    Build(root, container);
    FShape = std::move(shape);
  }
  UpdateAll(root, FActions);
}

void QtMenuPeer::Build(const TMenuItem& parent, QWidget* container) {
  const bool top = parent.Parent() == nullptr;
  for (const TMenuItem* item : parent.Items()) {
    QAction* action;
    if (!item->Items().empty()) {
      auto* menu = new QMenu(container);
      action = menu->menuAction();
      if (top) FCreated.emplace_back(menu);
      Build(*item, menu);
    } else {
      action = new QAction(container);
      if (top) FCreated.emplace_back(action);
      const std::uint64_t id = item->Id();
      QtPeerContext& context = FContext;
      QObject::connect(action, &QAction::triggered, [&context, id] {
        context.Post(id, [](TComponent& c) {
          if (auto* chosen = dynamic_cast<TMenuItem*>(&c)) chosen->Click();
        });
      });
    }
    container->addAction(action);
    FActions[item->Id()] = action;
  }
}

QAction* QtMenuPeer::ActionOf(const TMenuItem& item) const {
  auto found = FActions.find(item.Id());
  return found == FActions.end() ? nullptr : found->second;
}
