#include "platform/data/messages.h"

#include <vector>

namespace plat {

namespace {

struct Row {
  Msg id;
  const char* text;
};

// clang-format off
constexpr Row kMessages[] = {
    {Msg::NotAValueForField,      "'%1' não é um valor válido para o campo '%2'"},
    {Msg::NotANumberForField,     "'%1' não é um número válido para o campo '%2'"},
    {Msg::NotADateForField,       "'%1' não é uma data válida para o campo '%2'"},
    {Msg::NotADate,               "'%1' não é uma data válida"},
    {Msg::NotADateTime,           "'%1' não é uma data e hora válida"},
    {Msg::NotADayCount,           "%1 dias não correspondem a uma data entre 01/01/0001 e 31/12/9999"},
    {Msg::NotANumber,             "'%1' não é um número válido"},
    {Msg::NotADecimal,            "'%1' não é um número decimal válido"},
    {Msg::NotAnInteger,           "'%1' não é um número inteiro válido"},
    {Msg::NotABoolean,            "'%1' não é um valor lógico válido"},
    {Msg::NumberOutOfRange,       "'%1' está fora do intervalo dos números"},
    {Msg::FieldSays,              "Campo '%1': %2"},
    {Msg::CharacterNotStored,     "o caractere '%1' não pode ser gravado"},
    {Msg::LongerThan,             "'%1' tem mais de %2 caracteres"},
    {Msg::NotBetween,             "%1 não é um valor válido; deve estar entre %2 e %3"},
    {Msg::NotAtLeast,             "%1 não é um valor válido; deve ser no mínimo %2"},
    {Msg::NotAtMost,              "%1 não é um valor válido; deve ser no máximo %2"},
    {Msg::FieldRequired,          "O campo '%1' deve ser informado"},
    {Msg::FieldReadOnly,          "O campo '%1' não pode ser alterado"},
    {Msg::FieldCalculatedOnly,    "O campo '%1' não pode ser alterado durante o cálculo"},
    {Msg::DataSetClosed,          "Operação impossível com o conjunto de dados fechado"},
    {Msg::DataSetReadOnly,        "Não é possível alterar um conjunto de dados somente leitura"},
    {Msg::DataSetEmpty,           "Operação impossível com o conjunto de dados vazio"},
    {Msg::NotEditing,             "O registro não está em edição nem em inclusão"},
    {Msg::RecordNumberOutOfRange, "O registro número %1 não existe"},
    {Msg::DeleteRecord,           "Excluir o registro?"},
    {Msg::CannotResolve,          "Não foi possível encontrar o endereço %1: %2"},
    {Msg::ConnectionWaitFailed,   "A espera pela conexão falhou: %1"},
    {Msg::CannotConnect,          "Não foi possível conectar ao servidor de aplicação em %1: %2"},
    {Msg::CannotListen,           "Não foi possível escutar em %1: %2"},
    {Msg::ConnectionBroke,        "A conexão com o servidor de aplicação caiu: %1"},
    {Msg::NoAnswerWithin,         "O servidor de aplicação não respondeu em %1 s"},
    {Msg::ClosedMidMessage,       "A conexão fechou no meio de uma mensagem"},
    {Msg::MessageTooLarge,        "Uma mensagem de %1 bytes é grande demais para ser enviada"},
    {Msg::MessageIncomplete,      "Uma mensagem não chegou completa em %1"},
    {Msg::MessageRestartCarried,  "O reinício de uma mensagem trouxe %1 bytes"},
    {Msg::MessageRefused,         "Mensagem de %1 recusada: mais de %2 bytes"},
};
// clang-format on

}  // namespace

std::string Message(Msg id, std::initializer_list<std::string_view> args) {
  const char* text = "";
  for (const Row& row : kMessages)
    if (row.id == id) text = row.text;
  const std::vector<std::string_view> values(args);
  std::string out;
  for (const char* p = text; *p; ++p) {
    const std::size_t index = static_cast<std::size_t>(p[1] - '1');
    if (*p == '%' && p[1] >= '1' && p[1] <= '9' && index < values.size()) {
      out += values[index];
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace plat
