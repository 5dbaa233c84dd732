// The order's values: the current ordered line's quantity times its unit
// values, and the order totals over every ordered line. Products are formed
// in extended precision from the fields' values and formatted with no
// rounding step of their own; an empty field counts as zero.
#include <utility>

#include "Cli_psr41300/frm_solicita_proposta.h"
#include "platform/data/format.h"

namespace cli_psr41300 {

namespace {

long double Product(const plat::TDataSet& line, const char* a, const char* b) {
  return static_cast<long double>(line.FieldByName(a).AsFloat()) *
         static_cast<long double>(line.FieldByName(b).AsFloat());
}

std::string Money(long double value) { return plat::FormatFloat("#,##0.00", static_cast<double>(value)); }

// Bound controls stop following the walk and follow again however it ends.
class ControlsDisabled {
 public:
  explicit ControlsDisabled(plat::TDataSet& dataSet) : dataSet_(dataSet) { dataSet_.DisableControls(); }
  ~ControlsDisabled() { dataSet_.EnableControls(); }
  ControlsDisabled(const ControlsDisabled&) = delete;
  ControlsDisabled& operator=(const ControlsDisabled&) = delete;

 private:
  plat::TDataSet& dataSet_;
};

}  // namespace

void TfrmSolicitaProposta::MostraValoresLinha() {
  const plat::TDataSet& line = *cdsPedidosLinhaProd;
  edtValor_LU->SetText(Money(Product(line, "QTLINPPEDP", "VALOR_LU")));
  edtValor_Mensal->SetText(Money(Product(line, "QTLINPPEDP", "VALOR_MENSAL")));
}

// Each pass walks the lines with the data set's own cursor, so the last line
// is current afterwards and each line's scroll handling runs on the way. A
// list that is not loaded has no lines: its totals are 0 (walking a closed
// list would fail with a data-set error instead of giving the totals).
void TfrmSolicitaProposta::Calcula_Valores() {
  const std::pair<const char*, plat::TNumberEdit*> passes[] = {{"VALOR_LU", edtSomaTotalLu},
                                                               {"VALOR_MENSAL", edtSomaTotalMensal}};
  plat::TClientDataSet& lines = *cdsPedidosLinhaProd;
  for (const auto& [unitValue, total] : passes) {
    if (!lines.Active()) {
      total->SetValue(0);
      continue;
    }
    ControlsDisabled suspended(lines);
    lines.First();
    total->SetValue(0);
    while (!lines.Eof()) {
      total->SetValue(static_cast<double>(total->Value() + Product(lines, "QTLINPPEDP", unitValue)));
      lines.Next();
    }
  }
}

}  // namespace cli_psr41300
