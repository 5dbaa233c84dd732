// Shared set-up of the bridge tests: a small screen built here (a header
// panel with bound edits, a radio group and a drop-down list, a toolbar
// button, a page control with a hidden tab, a navigator, a main menu) over a
// client data set of two rows, shown in its window off screen; dialogs that
// record what they were asked; and helpers to reach the widgets.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/form_bridge.h"
#include "desktop/screen_window.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/navigator.h"
#include "platform/ui/pages.h"

namespace bridge_test {

// Records every dialog; questions take queued answers (No when none is left).
class RecordedDialogs : public plat::Dialogs {
 public:
  std::deque<int> answers;
  std::vector<std::string> messages, errors;

  int MessageDlg(const std::string& text, plat::DialogType, int, int) override {
    messages.push_back(text);
    if (answers.empty()) return plat::mrNo;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  bool Search(plat::TDataSource&, const std::string& title, const std::string&) override {
    errors.push_back("search " + title);
    return false;
  }
  void WaitStart() override {}
  void WaitStop() override {}
};

// CODE text(10), CITY text(20), KIND text(1) ("C" or "P"), TYPE text(12),
// SINCE date (empty).
class Screen {
 public:
  Screen() {
    cds.AddField("CODE", plat::FieldType::String, 10);
    cds.AddField("CITY", plat::FieldType::String, 20);
    cds.AddField("KIND", plat::FieldType::String, 1);
    cds.AddField("TYPE", plat::FieldType::String, 12);
    cds.AddField("SINCE", plat::FieldType::DateTime);
    plat::DataPacket packet;
    packet.fields = {{"CODE", plat::FieldType::String, 10},
                     {"CITY", plat::FieldType::String, 20},
                     {"KIND", plat::FieldType::String, 1},
                     {"TYPE", plat::FieldType::String, 12},
                     {"SINCE", plat::FieldType::DateTime}};
    packet.rows.push_back({plat::Variant(std::string("A1")), plat::Variant(std::string("Recife")),
                           plat::Variant(std::string("C")), plat::Variant(std::string("Visita")), plat::Variant()});
    packet.rows.push_back({plat::Variant(std::string("B2")), plat::Variant(std::string("Natal")),
                           plat::Variant(std::string("P")), plat::Variant(std::string("Telefone")), plat::Variant()});
    cds.SetData(packet);

    form.SetCaption("Tela de Teste");
    Place(panel, 0, 30, 600, 120);
    Place(code, 8, 8, 100, 21);
    code.Bind(ds, "CODE");
    code.ColorRole = "input";
    Place(city, 120, 8, 150, 21);
    city.Bind(ds, "CITY");
    Place(name, 280, 8, 150, 21);
    name.Bind(ds, "CITY");
    name.ColorRole = "readonly";
    name.SetEnabled(false);
    Place(kind, 8, 40, 190, 40);
    kind.Items = {"Cliente", "Prospect"};
    kind.Values = {"C", "P"};
    kind.Bind(ds, "KIND");
    Place(type, 220, 40, 120, 21);
    type.Items = {"Visita", "Telefone", ""};
    type.Bind(ds, "TYPE");
    Place(label, 440, 8, 100, 13);
    label.SetCaption("Cidade");
    Place(save, 4, 2, 25, 25);
    save.SetHint("Gravar");
    save.OnClick = [this](plat::TControl&) {
      clickedWith = form.ActiveControl() ? form.ActiveControl()->Name() : "(none)";
      ++clicks;
    };
    Place(pages, 0, 160, 600, 150);
    for (plat::TTabSheet* sheet : {&one, &two, &hidden}) Place(*sheet, 4, 24, 592, 122);
    one.SetCaption("Um");
    two.SetCaption("Dois");
    hidden.SetCaption("Oculta");
    hidden.SetTabVisible(false);
    Place(notes, 8, 8, 200, 21);
    notes.Bind(ds, "CODE");
    Place(nav, 0, 320, 240, 24);
    nav.SetDataSource(&ds);
    nav.ConfirmDelete = false;

    mnuManutencao.Caption = "&Manutenção";
    mnuGravar.Caption = "&Gravar";
    mnuGravar.ShortCut = "Ctrl+A";
    mnuGravar.OnClick = [this](plat::TMenuItem&) { ++menuClicks; };

    for (plat::TControl* control : std::initializer_list<plat::TControl*>{&panel, &code, &city, &kind, &type, &notes})
      Trace(*control);
    plat::Dialogs::Install(&dialogs);
    form.Show();
  }
  ~Screen() { plat::Dialogs::Install(nullptr); }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Makes the window and shows it; false when it never became active.
  bool Show() {
    window = std::make_unique<desk::ScreenWindow>(form);
    window->resize(640, 400);
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
  }
  desk::FormBridge& Bridge() { return window->Bridge(); }
  QWidget* W(const char* name) { return Bridge().WidgetOf(name); }
  template <class T>
  T* W(const char* name) {
    return qobject_cast<T*>(W(name));
  }
  QLineEdit* Edit(const char* name) {
    QWidget* widget = W(name);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit ? edit : widget->findChild<QLineEdit*>();
  }
  // A click that gives the widget the focus, as the mouse does.
  void ClickInto(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCoreApplication::processEvents();
  }
  QWidget* QtFocus() const { return QApplication::focusWidget(); }
  std::string Field(const char* name) { return cds.FieldByName(name).AsString(); }
  std::string Active() const { return form.ActiveControl() ? form.ActiveControl()->Name() : "(none)"; }

  plat::TForm form{nullptr, "frmTeste"};
  plat::TClientDataSet& cds = form.Create<plat::TClientDataSet>("cdsTeste");
  plat::TDataSource& ds = form.Create<plat::TDataSource>("dtsTeste", &cds);
  plat::TSpeedButton& save = form.Create<plat::TSpeedButton>("sbtGravar", &form);
  plat::TPanel& panel = form.Create<plat::TPanel>("panCabecalho", &form);
  plat::TDBEdit& code = form.Create<plat::TDBEdit>("dbeCodigo", &panel);
  plat::TDBEdit& city = form.Create<plat::TDBEdit>("dbeCidade", &panel);
  plat::TDBEdit& name = form.Create<plat::TDBEdit>("dbeNome", &panel);
  plat::TDBRadioGroup& kind = form.Create<plat::TDBRadioGroup>("dbrTipo", &panel);
  plat::TDBComboBox& type = form.Create<plat::TDBComboBox>("dcbContato", &panel);
  plat::TLabel& label = form.Create<plat::TLabel>("lblCidade", &panel);
  plat::TPageControl& pages = form.Create<plat::TPageControl>("pgcPaginas", &form);
  plat::TTabSheet& one = form.Create<plat::TTabSheet>("tshUm", &pages);
  plat::TTabSheet& two = form.Create<plat::TTabSheet>("tshDois", &pages);
  plat::TTabSheet& hidden = form.Create<plat::TTabSheet>("tshOculta", &pages);
  plat::TDBEdit& notes = form.Create<plat::TDBEdit>("dbeNotas", &two);
  plat::TDBNavigator& nav = form.Create<plat::TDBNavigator>("dbnTeste", &form);
  plat::TMenuItem& mnuMenu = form.Create<plat::TMenuItem>("mnuMenu");
  plat::TMenuItem& mnuManutencao = form.Create<plat::TMenuItem>("mnuManutencao", &mnuMenu);
  plat::TMenuItem& mnuGravar = form.Create<plat::TMenuItem>("mnuGravar", &mnuManutencao);
  RecordedDialogs dialogs;
  std::vector<std::string> log;  // "enter:NAME" and "exit:NAME", in order
  std::string clickedWith;       // the active control the toolbar button's handler saw
  int clicks = 0, menuClicks = 0;
  // Declared last: the window goes before the controls it shows.
  std::unique_ptr<desk::ScreenWindow> window;

 private:
  static void Place(plat::TControl& control, int left, int top, int width, int height) {
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
  }
  void Trace(plat::TControl& control) {
    control.OnEnter = [this](plat::TControl& c) { log.push_back("enter:" + c.Name()); };
    control.OnExit = [this](plat::TControl& c) { log.push_back("exit:" + c.Name()); };
  }
};

// Runs act on the next modal dialog once it is up (polling the event loop).
inline void WhenModal(std::function<void(QWidget*)> act, int triesLeft = 200) {
  QTimer::singleShot(10, [act = std::move(act), triesLeft] {
    if (QWidget* modal = QApplication::activeModalWidget())
      act(modal);
    else if (triesLeft > 0)
      WhenModal(act, triesLeft - 1);
  });
}

}  // namespace bridge_test
