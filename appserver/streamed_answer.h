// A list's answer written while its statement runs: the rows shaped to the
// declared fields as Shape shapes them (packet_shape.h) and written into
// the answer's pieces as they are read, without a packet in between.
//
// What callers may rely on:
// - The answer's text is that of the answer Shape(Query(...)) makes.
// - Where it cannot be (a declared field the statement lacks, a value that
//   does not convert or cannot be written, a computed column whose values
//   are of more than one kind, so that Query would type it otherwise), it
//   throws NotStreamable: the caller then answers the whole way, which
//   gives that answer or its message. Failures of the database are thrown
//   as they come (EStorageError).
#pragma once

#include <string>

#include "appserver/storage.h"
#include "platform/net/packet_answer_writer.h"

namespace appsrv {

struct NotStreamable {};

// The statement's rows into `out`, whose fields are the declared ones; out
// is finished when every row is written.
void StreamShaped(Storage& db, const std::string& sql, const Params& params, plat::PacketAnswerWriter& out);

}  // namespace appsrv
