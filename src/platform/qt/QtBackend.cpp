#include "platform/qt/QtBackend.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <clocale>

#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/qt/QtControlPeers.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtEditPeers.h"
#include "platform/qt/QtFormPeer.h"
#include "platform/qt/QtGridPeer.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtText.h"

namespace {

class EventRouter : public QObject {
public:
  explicit EventRouter(QtBackend& backend) : FBackend(backend) {}
  bool eventFilter(QObject* watched, QEvent* event) override { return FBackend.RouteEvent(watched, event); }

private:
  QtBackend& FBackend;
};

std::unique_ptr<QtPeer> MakePeer(QtPeerContext& context, TControl& control) {
  const std::uint64_t id = control.Id();
  if (dynamic_cast<TForm*>(&control)) return std::make_unique<QtFormPeer>(context, id);
  if (dynamic_cast<TLabeledEdit*>(&control)) return std::make_unique<QtLabeledEditPeer>(context, id);
  if (dynamic_cast<TCustomEdit*>(&control)) return std::make_unique<QtEditPeer>(context, id);
  if (dynamic_cast<TMemo*>(&control)) return std::make_unique<QtMemoPeer>(context, id);
  if (dynamic_cast<TComboBox*>(&control)) return std::make_unique<QtComboBoxPeer>(context, id);
  if (dynamic_cast<TStringGrid*>(&control)) return std::make_unique<QtGridPeer>(context, id);
  if (dynamic_cast<TRadioGroup*>(&control)) return std::make_unique<QtRadioGroupPeer>(context, id);
  if (dynamic_cast<TButton*>(&control)) return std::make_unique<QtButtonPeer>(context, id);
  if (dynamic_cast<TSpeedButton*>(&control)) return std::make_unique<QtSpeedButtonPeer>(context, id);
  if (dynamic_cast<TImage*>(&control)) return std::make_unique<QtImagePeer>(context, id);
  if (dynamic_cast<TLabel*>(&control)) return std::make_unique<QtLabelPeer>(context, id);
  if (dynamic_cast<TStatusBar*>(&control)) return std::make_unique<QtStatusBarPeer>(context, id);
  if (dynamic_cast<TUpDown*>(&control)) return std::make_unique<QtUpDownPeer>(context, id);
  return nullptr;
}

TComponent* FindComponent(const TComponent& owner, std::uint64_t id) {
  for (TComponent* component : owner.Components()) {
    if (component->Id() == id) return component;
    if (TComponent* found = FindComponent(*component, id)) return found;
  }
  return nullptr;
}

bool ModalRunFinished(const TForm& form) {
  return !form.Visible || form.ModalResult != mrNone || !Application || Application->Terminated();
}

}  // namespace

QtBackend::QtBackend(int& argc, char** argv)
    : FApplication(std::make_unique<QApplication>(argc, argv)),
      FTranslator(std::make_unique<QTranslator>()),
      FEventFilter(std::make_unique<EventRouter>(*this)) {
  // QApplication sets the C library's locale from the environment, under which its
  // number conversions would read and write a decimal comma. The program's own
  // conversions never depend on it; the C library's are kept on the point too.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setStyle("Fusion");
  QApplication::setFont(ModelFont(TFont{}));
  // The program decides when it ends: hiding its last window does not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  // The users work in Russian: the file dialog and the box buttons speak it
  // too, where Qt's own translation is installed, and what Qt writes by the
  // program's locale, such as the file dialog's file types, sizes and dates, is
  // Russian whatever the environment's locale. No number the user types or sees
  // in the program's own windows passes through Qt's locale.
  if (FTranslator->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(FTranslator.get());
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

QtBackend::~QtBackend() {
  FPopupItems.reset();
  delete FPopup.data();
  RemovePeers([](const QtPeer&) { return true; });
  // The widgets of the peers are deleted on the next turn of the event loop;
  // there is none any more.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QObject* QtBackend::EventFilter() { return FEventFilter.get(); }

bool QtBackend::RouteEvent(QObject* watched, QEvent* event) {
  QtPeer* peer = FindPeer(PeerIdOf(watched));
  return peer && peer->Filter(watched, event);
}

QtPeer* QtBackend::FindPeer(std::uint64_t id) const {
  auto found = FPeers.find(id);
  return found == FPeers.end() ? nullptr : found->second.get();
}

void QtBackend::Post(std::uint64_t id, std::function<void(TComponent&)> action) {
  QTimer::singleShot(0, FApplication.get(), [this, id, action = std::move(action)] {
    if (!Application) return;
    Apply(id, action);
    // An action the model refuses dispatches nothing; the screen must still
    // show the model again (a radio button Qt checked, a combo text Qt chose).
    Sync();
  });
}

void QtBackend::Apply(std::uint64_t id, const std::function<void(TComponent&)>& action) {
  if (!Application) return;
  if (TComponent* component = FindComponent(*Application, id)) action(*component);
}

void QtBackend::Sync() {
  if (FSyncing) return;
  if (!Application) {
    RemovePeers([](const QtPeer&) { return true; });
    return;
  }
  FSyncing = true;
  ++FPass;
  for (TComponent* component : Application->Components())
    if (auto* form = dynamic_cast<TForm*>(component)) SyncForm(*form);
  RemovePeers([this](const QtPeer& peer) { return peer.LastSeen != FPass; });
  FSyncing = false;
  EndFinishedModalRuns();
}

void QtBackend::RemovePeers(const std::function<bool(const QtPeer&)>& gone) {
  // Out of the table first: hiding a widget sends events that look peers up.
  std::vector<std::unique_ptr<QtPeer>> removed;
  for (auto it = FPeers.begin(); it != FPeers.end();) {
    if (gone(*it->second)) {
      removed.push_back(std::move(it->second));
      it = FPeers.erase(it);
    } else {
      ++it;
    }
  }
}

void QtBackend::SyncForm(TForm& form) {
  auto& peer = static_cast<QtFormPeer&>(*PeerFor(form));
  peer.Sync(form, nullptr);
  SyncChildren(form, peer.Container());
  peer.SyncVisible(form);
  peer.SyncFocus(form, form.ActiveControl() ? WidgetOf(*form.ActiveControl()) : nullptr);
}

void QtBackend::SyncChildren(const TWinControl& parent, QWidget* container) {
  for (TControl* control : parent.Controls()) {
    QtPeer* peer = PeerFor(*control);
    if (!peer) continue;
    peer->Sync(*control, container);
    if (auto* holder = dynamic_cast<TWinControl*>(control)) SyncChildren(*holder, peer->Container());
  }
}

QtPeer* QtBackend::PeerFor(TControl& control) {
  auto found = FPeers.find(control.Id());
  if (found == FPeers.end()) {
    std::unique_ptr<QtPeer> peer = MakePeer(*this, control);
    if (!peer) return nullptr;
    found = FPeers.emplace(control.Id(), std::move(peer)).first;
  }
  found->second->LastSeen = FPass;
  return found->second.get();
}

void QtBackend::EndFinishedModalRuns() {
  for (const ModalRun& run : FModalRuns)
    if (ModalRunFinished(*run.Form)) run.Loop->quit();
}

void QtBackend::ShowPopup(TPopupMenu& menu, const QPoint& globalPos) {
  FPopupItems.reset();
  delete FPopup.data();
  FPopup = new QMenu;
  FPopupItems = std::make_unique<QtMenuPeer>(static_cast<QtPeerContext&>(*this));
  FPopupItems->Sync(*menu.Items, FPopup);
  FPopup->popup(globalPos);
}

void QtBackend::WindowActivated(QWidget* window) {
  std::erase_if(FActivationOrder, [window](const QPointer<QWidget>& seen) { return !seen || seen == window; });
  FActivationOrder.emplace_back(window);
}

QWidget* QtBackend::BoxOwner() const {
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) return modal;
  for (auto it = FActivationOrder.rbegin(); it != FActivationOrder.rend(); ++it)
    if (*it && (*it)->isVisible()) return *it;
  return nullptr;
}

int QtBackend::ShowMessageBox(const MessageBoxRequest& request) {
  Sync();
  return RunMessageBox(request, BoxOwner());
}

bool QtBackend::ExecuteOpenDialog(TOpenDialog& dialog) {
  Sync();
  return RunOpenDialog(dialog, BoxOwner());
}

void QtBackend::RunModal(TForm& form) {
  Sync();
  QEventLoop loop;
  FModalRuns.push_back({&form, &loop});
  if (!ModalRunFinished(form)) loop.exec();
  FModalRuns.pop_back();
  // The model hides the window as soon as ShowModal returns; do not wait for
  // the next sync to take it off the screen.
  if (QWidget* window = WindowOf(form)) window->hide();
}

void QtBackend::RunMessageLoop() {
  Sync();
  if (Application->MainForm) Application->MainForm->Show();
  if (!Application->Terminated()) QApplication::exec();
}

void QtBackend::Quit() {
  for (const ModalRun& run : FModalRuns) run.Loop->quit();
  // exit, not quit: quit would first ask every window to close.
  QCoreApplication::exit(0);
}

std::string QtBackend::ClipboardText() { return FromQt(QGuiApplication::clipboard()->text()); }

void QtBackend::SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(ToQt(text)); }

void QtBackend::OpenHelp(const HelpRequest& request) {
  const QString file = ToQt(request.HelpFile);
  if (!QFileInfo::exists(file)) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

void QtBackend::ShellExecute(const ShellRequest& request) {
  const QDir folder(request.Directory.empty() ? QDir::currentPath() : ToQt(request.Directory));
  const QString program = folder.absoluteFilePath(ToQt(request.File));
  if (!QFileInfo::exists(program)) return;
  QProcess::startDetached(program, QProcess::splitCommand(ToQt(request.Parameters)), folder.absolutePath());
}

QWidget* QtBackend::WidgetOf(const TComponent& control) const {
  QtPeer* peer = FindPeer(control.Id());
  return peer ? peer->Widget() : nullptr;
}

QWidget* QtBackend::WindowOf(const TForm& form) const { return WidgetOf(form); }

QAction* QtBackend::ActionOf(const TMenuItem& item) const {
  for (const auto& [id, peer] : FPeers)
    if (auto* form = dynamic_cast<const QtFormPeer*>(peer.get()))
      if (QAction* action = form->Menus().ActionOf(item)) return action;
  return nullptr;
}
