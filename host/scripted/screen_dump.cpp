#include "host/scripted/screen_dump.h"

#include <algorithm>
#include <sstream>

#include "platform/data/dataset.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/grid.h"
#include "platform/ui/pages.h"

namespace hostapp {

namespace {

std::string Pad(std::string text, int width) {
  // Pads by characters, not bytes, so accented text lines up.
  int chars = static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  if (chars < width) text += std::string(static_cast<std::size_t>(width - chars), ' ');
  return text;
}

// The text cut to at most n characters (never in the middle of one).
std::string Cut(const std::string& text, int n) {
  std::size_t end = 0;
  for (int chars = 0; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && chars++ == n) break;
  }
  return text.substr(0, end);
}

void DumpGrid(std::ostream& out, plat::TDBGrid& grid, int indent, int maxRows) {
  std::string margin(static_cast<std::size_t>(indent), ' ');
  std::vector<int> shown;  // indexes of the visible columns
  std::vector<plat::TColumn*> all = grid.Columns();
  for (int i = 0; i < static_cast<int>(all.size()); ++i)
    if (all[i]->Visible) shown.push_back(i);
  auto width = [&](int i) { return std::clamp(all[i]->Width() / 7, 4, 30); };
  out << margin << "[" << grid.Name() << "]";
  plat::TDataSet* dataSet = grid.DataSet();
  if (!dataSet || !dataSet->Active()) {
    out << " (closed)\n";
    return;
  }
  out << " " << dataSet->RecordCount() << " row(s)\n" << margin << "  ";
  for (int i : shown) out << Pad(all[i]->Title(), width(i)) << " ";
  out << "\n";
  int rows = std::min(dataSet->ViewRowCount(), maxRows);
  for (int row = 0; row < rows; ++row) {
    out << margin << (row == dataSet->ViewCurrentRow() ? "> " : "  ");
    bool grey = false;  // drawn in the greyed text colour (accepted proposals in the list)
    for (int i : shown) {
      if (!grey) {
        grid.PaintCell(row, i, plat::TRect{0, 0, all[i]->Width(), grid.DefaultRowHeight});
        for (auto& op : grid.Canvas.Ops())
          grey = grey || (op.kind == plat::TDrawOp::TextRect && op.fontColor == plat::clr::GrayText);
      }
      out << Pad(Cut(grid.CellText(row, i), width(i) * 2), width(i)) << " ";
    }
    out << (grey ? " (grey)" : "") << "\n";
  }
  if (dataSet->ViewRowCount() > rows) out << margin << "  ... " << dataSet->ViewRowCount() - rows << " more\n";
}

void Dump(std::ostream& out, plat::TControl& control, int indent, int maxRows) {
  if (!control.Visible()) return;
  std::string margin(static_cast<std::size_t>(indent), ' ');
  if (auto* pages = dynamic_cast<const plat::TPageControl*>(&control)) {
    out << margin << pages->Name() << ": ";
    for (auto* page : pages->Pages()) {
      if (!page->TabVisible() && page != pages->ActivePage()) continue;
      out << (page == pages->ActivePage() ? "[" + page->Caption() + "]" : page->Caption()) << " ";
    }
    out << "\n";
    if (pages->ActivePage()) Dump(out, *pages->ActivePage(), indent + 2, maxRows);
    return;
  }
  if (auto* grid = dynamic_cast<plat::TDBGrid*>(&control)) {
    DumpGrid(out, *grid, indent, maxRows);
    return;
  }
  if (auto* choice = dynamic_cast<const plat::TDBChoiceControl*>(&control)) {
    out << margin << choice->Name() << ": ";
    for (int i = 0; i < static_cast<int>(choice->Items.size()); ++i)
      out << (i == choice->ItemIndex() ? "(x) " : "( ) ") << choice->Items[i] << "  ";
    out << "\n";
    return;
  }
  if (auto* edit = dynamic_cast<const plat::TDBFieldControl*>(&control)) {
    out << margin << edit->Name() << ": " << edit->Text() << (edit->Enabled() ? "" : "  (disabled)") << "\n";
    return;
  }
  if (auto* edit = dynamic_cast<const plat::TEdit*>(&control)) {
    out << margin << edit->Name() << ": " << edit->Text() << "\n";
    return;
  }
  if (dynamic_cast<const plat::TSpeedButton*>(&control)) return;
  for (auto* child : control.Children()) Dump(out, *child, indent, maxRows);
}

}  // namespace

std::string DumpScreen(const plat::TForm& form, int maxGridRows) {
  std::ostringstream out;
  out << "== " << form.Caption() << " ==\n";
  std::vector<std::string> enabled;
  for (auto& owned : form.Components())
    if (auto* button = dynamic_cast<const plat::TSpeedButton*>(owned.get()))
      if (button->Showing() && button->Enabled()) enabled.push_back(button->Hint());
  out << "toolbar:";
  for (auto& hint : enabled) out << " [" << hint << "]";
  out << "\n";
  for (auto* child : form.Children()) Dump(out, *child, 0, maxGridRows);
  return out.str();
}

}  // namespace hostapp
