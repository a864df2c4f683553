// The one door from a user's action to a handler: exceptions are shown in the
// exception display and the program goes on.
#include <gtest/gtest.h>

#include "platform/gui/Forms.h"
#include "platform/gui/HeadlessBackend.h"

namespace {

class ThrowingForm : public TForm {
public:
  explicit ThrowingForm(TComponent* owner) : TForm(owner) {
    OnCreate = [this](TObject*) {
      CreateHandlerStarted = true;
      throw EConvertError("\"x\" не является целым числом");
    };
  }
  bool CreateHandlerStarted = false;
};

class PlainForm : public TForm {
public:
  explicit PlainForm(TComponent* owner) : TForm(owner) {
    OnCreate = [this](TObject*) { Created = true; };
  }
  bool Created = false;
};

class Dispatch : public ::testing::Test {
protected:
  Dispatch() { Application = new TApplication(backend, "/opt/opbench/opbench"); }
  ~Dispatch() override { delete Application; }
  HeadlessBackend backend;
};

}  // namespace

TEST_F(Dispatch, CreateHandlerExceptionIsShownAndCreationGoesOn) {
  ThrowingForm* first = nullptr;
  PlainForm* second = nullptr;
  Application->CreateForm(first);
  Application->CreateForm(second);
  EXPECT_TRUE(first->CreateHandlerStarted);
  EXPECT_TRUE(second->Created);
  EXPECT_EQ(Application->MainForm, first);
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(backend.Boxes[0].Caption, "Opbench");
  EXPECT_EQ(backend.Boxes[0].Text, "\"x\" не является целым числом.");
}

TEST_F(Dispatch, FullStopOnlyAfterACharacterAboveThePoint) {
  EXPECT_EQ(ExceptionDisplayText("Файл не найден"), "Файл не найден.");
  EXPECT_EQ(ExceptionDisplayText("Готово."), "Готово.");
  EXPECT_EQ(ExceptionDisplayText("Ошибка!"), "Ошибка!");
  EXPECT_EQ(ExceptionDisplayText("(5, 7)"), "(5, 7)");
  EXPECT_EQ(ExceptionDisplayText("значение 5"), "значение 5.");
  EXPECT_EQ(ExceptionDisplayText(""), "");
}

TEST_F(Dispatch, HandlerExceptionIsShownAndTheProgramGoesOn) {
  PlainForm* form = nullptr;
  Application->CreateForm(form);
  form->Show();
  auto* button = new TButton(form);
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    ++clicks;
    throw EStringListError("Индекс списка вне диапазона (3)");
  };
  button->Click();
  button->Click();
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(backend.Boxes.size(), 2u);
  EXPECT_EQ(backend.Boxes[1].Text, "Индекс списка вне диапазона (3)") << "')' is below '.': no full stop";
}

TEST_F(Dispatch, UnreachableControlsTakeNoAction) {
  PlainForm* form = nullptr;
  Application->CreateForm(form);
  auto* button = new TButton(form);
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->Click();  // the window is not shown
  form->Show();
  button->Enabled = false;
  button->Click();
  button->Enabled = true;
  button->Visible = false;
  button->Click();
  EXPECT_EQ(clicks, 0);
}

TEST_F(Dispatch, ClosingTheMainWindowEndsTheProgram) {
  PlainForm* main = nullptr;
  PlainForm* other = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(other);
  other->Show();
  other->CloseBox();
  EXPECT_FALSE(Application->Terminated());
  main->Show();
  main->CloseBox();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(backend.QuitCalled);
}

TEST_F(Dispatch, ModalWindowReturnsItsResultAndAnUnansweredOneFailsLoudly) {
  PlainForm* main = nullptr;
  PlainForm* dialog = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(dialog);
  backend.InNextModal([](TForm& f) { f.ModalResult = mrOk; });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->Visible);
  backend.InNextModal([](TForm& f) { f.CloseBox(); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_THROW(dialog->ShowModal(), ScriptFailure);
  backend.InNextModal([](TForm&) {});
  EXPECT_THROW(dialog->ShowModal(), ScriptFailure);
}
