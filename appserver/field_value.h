// Converting a value read from the database, or received from a client, to
// the type of the field or column it belongs to.
//
// The conversions do not depend on the user's number or date format: text
// becomes a number only in the plain form "-12.5", a date only in ISO form
// ("2026-12-08" or "2026-12-08T14:30:00"); a date-time becomes text in ISO
// form. Null stays null. A value that cannot be converted throws
// plat::EConvertError with a message naming the value.
#pragma once

#include <string>

#include "platform/data/field_def.h"
#include "platform/data/variant.h"

namespace appsrv {

plat::Variant ToFieldType(const plat::Variant& value, plat::FieldType type);

// The text a value is stored as in a text column (ISO for date-times).
std::string StoredText(const plat::Variant& value);

// True when two values of one field type hold the same value; for text an
// empty text and null count as the same.
bool SameValue(const plat::Variant& a, const plat::Variant& b, plat::FieldType type);

// The largest magnitude a number may have to be stored. A quantity times a
// unit value, summed over every line of a proposal, then stays far inside
// what the lists' totals hold (38 digits), on both back ends.
inline constexpr double kLargestNumber = 1e12;

// Why a value may not be stored, in the user's words, or "" when it may: a
// number that is not finite or beyond kLargestNumber, a text holding the
// NUL character (code page 1252 texts have no use for it, and PostgreSQL
// would cut the text there).
std::string Unstorable(const plat::Variant& value);

}  // namespace appsrv
