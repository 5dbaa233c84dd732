// The screen's control tree as tables: rows naming a control, the screen
// member that points at it, its container and its place, and helpers that
// create a table's controls in row order. A container is named by its
// component name; no name means the window itself.
#pragma once

#include <array>
#include <span>

#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300::layout {

using T = TfrmSolicitaProposta;

// Position and size inside the container, in pixels.
struct Bounds {
  int left, top, width, height;
};

void Place(plat::TControl& control, Bounds at);
plat::TControl& Container(T& form, const char* name);

// Colour roles of the front-end: typing highlighted, read-only neutral.
inline constexpr const char* kInput = "input";
inline constexpr const char* kNeutral = "readonly";

// Containers, labels, splitters, images and buttons: anything made of a
// name, a place and a caption.
template <class C>
struct ControlSpec {
  const char* name;
  C* T::*member;
  const char* parent;
  Bounds at;
  const char* caption = "";
  bool bold = false;
};

template <class C>
void CreateControls(T& form, std::span<const ControlSpec<C>> rows) {
  for (const ControlSpec<C>& row : rows) {
    C& control = form.Create<C>(row.name, &Container(form, row.parent));
    Place(control, row.at);
    if (*row.caption) control.SetCaption(row.caption);
    control.Bold = row.bold;
    form.*row.member = &control;
  }
}

// Pages of a page control.
struct TabSheetSpec {
  const char* name;
  plat::TTabSheet* T::*member;
  plat::TPageControl* T::*pageControl;
  const char* caption;
  bool tabVisible = true;
};

void CreateTabSheets(T& form, std::span<const TabSheetSpec> rows, Bounds at);

// Data-aware controls showing one field of a data source.
template <class C>
struct FieldControlSpec {
  const char* name;
  C* T::*member;
  const char* parent;
  Bounds at;
  plat::TDataSource* T::*source;
  const char* field;
  const char* colorRole = "";
  bool enabled = true;
};

template <class C>
void CreateFieldControls(T& form, std::span<const FieldControlSpec<C>> rows) {
  for (const FieldControlSpec<C>& row : rows) {
    C& control = form.Create<C>(row.name, &Container(form, row.parent));
    Place(control, row.at);
    control.Bind(*(form.*row.source), row.field);
    control.ColorRole = row.colorRole;
    control.SetEnabled(row.enabled);
    form.*row.member = &control;
  }
}

// Grid columns, in display order.
enum ColumnFlag : unsigned {
  kHiddenColumn = 1u << 0,
  kReadOnlyColumn = 1u << 1,
  kEllipsis = 1u << 2,  // the cell shows a button that opens a picker
};

struct ColumnSpec {
  const char* field;
  int width = 0;  // 0: the width of the field's display width
  unsigned flags = 0;
  std::array<const char*, 3> pickList{};  // entries up to the first null
};

void AddColumns(plat::TDBGrid& grid, std::span<const ColumnSpec> columns);

// The detail grids: editable (unless read-only) in the input colour,
// deletes confirmed.
struct GridSpec {
  const char* name;
  plat::TDBGrid* T::*member;
  const char* parent;
  Bounds at;
  plat::TDataSource* T::*source;
  std::span<const ColumnSpec> columns;
  bool readOnly = false;
};

void CreateGrids(T& form, std::span<const GridSpec> rows);

}  // namespace cli_psr41300::layout
