#include "Cli_psr41300/bind_support.h"

namespace cli_psr41300::binding {

namespace {

void Note(T& form, const plat::TComponent& component, const char* event, const char* handler) {
  form.Bindings.Add(component.Name(), event, handler);
}

}  // namespace

void OnDataSet(T& form, plat::TDataSet& dataSet, plat::TDataSet::Event plat::TDataSet::*event, const char* eventName,
               Handler<DataSetHandler> handler) {
  if (!handler) return;
  dataSet.*event = [&form, method = handler.method](plat::TDataSet& sender) { (form.*method)(sender); };
  Note(form, dataSet, eventName, handler.name);
}

void OnControl(T& form, plat::TControl& control, plat::TNotifyEvent plat::TControl::*event, const char* eventName,
               Handler<ControlHandler> handler) {
  if (!handler) return;
  control.*event = [&form, method = handler.method](plat::TControl& sender) { (form.*method)(sender); };
  Note(form, control, eventName, handler.name);
}

void OnGrid(T& form, plat::TDBGrid& grid, plat::TNotifyEvent plat::TDBGrid::*event, const char* eventName,
            Handler<ControlHandler> handler) {
  if (!handler) return;
  grid.*event = [&form, method = handler.method](plat::TControl& sender) { (form.*method)(sender); };
  Note(form, grid, eventName, handler.name);
}

void OnKeyPress(T& form, plat::TDBGrid& grid, Handler<KeyHandler> handler) {
  if (!handler) return;
  grid.OnKeyPress = [&form, method = handler.method](plat::TDBGrid& sender, char32_t& key) {
    (form.*method)(sender, key);
  };
  Note(form, grid, "OnKeyPress", handler.name);
}

void OnStateChange(T& form, plat::TDataSource& source, Handler<ControlHandler> handler) {
  if (!handler) return;
  source.OnStateChange = [&form, method = handler.method](plat::TDataSource& sender) { (form.*method)(sender); };
  Note(form, source, "OnStateChange", handler.name);
}

void OnChange(T& form, plat::TPageControl& pages, Handler<ControlHandler> handler) {
  if (!handler) return;
  pages.OnChange = [&form, method = handler.method](plat::TControl& sender) { (form.*method)(sender); };
  Note(form, pages, "OnChange", handler.name);
}

void OnChange(T& form, plat::TDBFieldControl& control, Handler<ControlHandler> handler) {
  if (!handler) return;
  control.OnChange = [&form, method = handler.method](plat::TControl& sender) { (form.*method)(sender); };
  Note(form, control, "OnChange", handler.name);
}

void OnGetText(T& form, plat::TField& field, Handler<GetTextHandler> handler) {
  if (!handler) return;
  field.OnGetText = [&form, method = handler.method](plat::TField& sender, std::string& text, bool displayText) {
    (form.*method)(sender, text, displayText);
  };
  Note(form, field, "OnGetText", handler.name);
}

void OnSetText(T& form, plat::TField& field, Handler<SetTextHandler> handler) {
  if (!handler) return;
  field.OnSetText = [&form, method = handler.method](plat::TField& sender, const std::string& text) {
    (form.*method)(sender, text);
  };
  Note(form, field, "OnSetText", handler.name);
}

}  // namespace cli_psr41300::binding
