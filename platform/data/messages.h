// The platform's own messages to the user (a value that does not convert, a
// field left empty, a record not being edited, the question before a
// delete), in Portuguese like the screens' own texts: one row each in one
// catalogue, its text with %1, %2 … for what it names. Messages meant for
// developers (malformed packets, wrong calls) are not in it.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace plat {

enum class Msg {
  NotAValueForField,    // %1 typed, %2 the field's label
  NotANumberForField,   // %1 typed, %2 the field's label
  NotADateForField,     // %1 typed, %2 the field's label
  NotADate,             // %1 typed
  NotADateTime,         // %1 typed
  NotADayCount,         // %1 the count of days, briefly
  NotANumber,           // %1 typed
  NotADecimal,          // %1 typed
  NotAnInteger,         // %1 typed
  NotABoolean,          // %1 typed
  NumberOutOfRange,     // %1 typed
  FieldSays,            // %1 the field's label, %2 what is wrong with its value
  CharacterNotStored,   // %1 the character
  LongerThan,           // %1 the text, %2 the number of characters
  NotBetween,           // %1 the value, %2 and %3 the limits
  NotAtLeast,           // %1 the value, %2 the limit
  NotAtMost,            // %1 the value, %2 the limit
  FieldRequired,        // %1 the field's label
  FieldReadOnly,        // %1 the field's name
  FieldCalculatedOnly,  // %1 the field's name
  DataSetClosed,
  DataSetReadOnly,
  DataSetEmpty,
  NotEditing,
  RecordNumberOutOfRange,  // %1 the number
  DeleteRecord,
  // the connection to the application server
  CannotResolve,         // %1 the address, %2 why
  ConnectionWaitFailed,  // %1 why
  CannotConnect,         // %1 the address, %2 why
  CannotListen,          // %1 the address, %2 why
  ConnectionBroke,       // %1 why
  NoAnswerWithin,        // %1 seconds
  ClosedMidMessage,
  MessageTooLarge,        // %1 bytes
  MessageIncomplete,      // %1 the time allowed ("1 s", "300 ms")
  MessageRestartCarried,  // %1 bytes
  MessageRefused,         // %1 its size ("N bytes", "N bytes ou mais"), %2 the most allowed
};

// The message's text with its arguments in place.
std::string Message(Msg id, std::initializer_list<std::string_view> args = {});

}  // namespace plat
