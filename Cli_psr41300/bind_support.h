// Binding the screen's handlers to its components' events by tables that
// carry the handlers' own names: each binding sets the event and notes it in
// the screen's list of bound events ("component.event handler").
//
// A row names its handler with PSR_HANDLER(method), which gives the method
// and its name together; an empty Handler binds nothing.
#pragma once

#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300::binding {

using T = TfrmSolicitaProposta;

template <class Method>
struct Handler {
  Method method = nullptr;
  const char* name = nullptr;
  explicit operator bool() const { return method != nullptr; }
};

#define PSR_HANDLER(method) \
  { &::cli_psr41300::TfrmSolicitaProposta::method, #method }

using DataSetHandler = void (T::*)(plat::TDataSet&);
using ControlHandler = void (T::*)(plat::TComponent&);
using KeyHandler = void (T::*)(plat::TComponent&, char32_t&);
using GetTextHandler = void (T::*)(plat::TField&, std::string&, bool);
using SetTextHandler = void (T::*)(plat::TField&, const std::string&);

// Data-set events (AfterInsert, BeforePost, ...), by the event's member.
void OnDataSet(T& form, plat::TDataSet& dataSet, plat::TDataSet::Event plat::TDataSet::*event, const char* eventName,
               Handler<DataSetHandler> handler);
// OnEnter, OnExit, OnClick of any control.
void OnControl(T& form, plat::TControl& control, plat::TNotifyEvent plat::TControl::*event, const char* eventName,
               Handler<ControlHandler> handler);
// The grid's own notifications (OnColExit, OnEditButtonClick) and key press.
void OnGrid(T& form, plat::TDBGrid& grid, plat::TNotifyEvent plat::TDBGrid::*event, const char* eventName,
            Handler<ControlHandler> handler);
void OnKeyPress(T& form, plat::TDBGrid& grid, Handler<KeyHandler> handler);
void OnStateChange(T& form, plat::TDataSource& source, Handler<ControlHandler> handler);
void OnChange(T& form, plat::TPageControl& pages, Handler<ControlHandler> handler);
void OnChange(T& form, plat::TDBFieldControl& control, Handler<ControlHandler> handler);
void OnGetText(T& form, plat::TField& field, Handler<GetTextHandler> handler);
void OnSetText(T& form, plat::TField& field, Handler<SetTextHandler> handler);

}  // namespace cli_psr41300::binding
