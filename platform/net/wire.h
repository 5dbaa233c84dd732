// The text of calls and answers as they travel in frames: the JSON forms of
// rpc.h (docs/protocol.md), written and read without building a JSON
// document in between.
//
// What callers may rely on:
// - RequestText and AnswerText give the JSON that RequestToJson and
//   AnswerToJson give, written out, and refuse what they refuse with the
//   same errors.
// - TryReadRequest and TryReadAnswer read the texts this side writes (and
//   any JSON of the same content) to exactly what RequestFromJson and
//   AnswerFromJson give for it. Anything else, malformed or unexpected,
//   they decline (nullopt) without a message: the caller then reads it the
//   thorough way, which says what is wrong.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/net/frame.h"
#include "platform/net/rpc.h"

namespace plat {

std::string RequestText(const RpcRequest& request);
std::string AnswerText(const RpcAnswer& answer);

std::optional<RpcRequest> TryReadRequest(const std::string& text);
std::optional<RpcAnswer> TryReadAnswer(const std::string& text);

// An answer's text read the quick way, or else the thorough one: throws
// nlohmann::json::exception for text that is not JSON and EConvertError for
// JSON that is not an answer.
RpcAnswer ReadAnswerText(const std::string& text);

// An answer read while its text arrives in pieces (frame.h, ReadPieces):
// each piece is read the quick way up to its last line break as it comes,
// so that little is left when the last one comes. Finish gives what
// ReadAnswerText gives for the pieces joined, whatever the pieces were.
class AnswerReader final : public MessageListener {
 public:
  AnswerReader();
  ~AnswerReader() override;
  AnswerReader(const AnswerReader&) = delete;
  AnswerReader& operator=(const AnswerReader&) = delete;

  void Piece(std::string&& bytes, bool last) override;
  void Restarted() override;
  // The answer, once the last piece came; as ReadAnswerText reads the
  // pieces joined (and throws as it throws).
  RpcAnswer Finish();

 private:
  struct Reading;
  std::unique_ptr<Reading> reading_;
};

}  // namespace plat
