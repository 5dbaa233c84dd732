#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>

#include "platform/data/errors.h"
#include "platform/data/packet.h"

using namespace plat;
using nlohmann::json;

namespace {

const char* const kPacket = R"({
  "fields": [
    {"name": "NRPROPOSFAS", "type": "string", "size": 20, "required": true},
    {"name": "VLPROPOS", "type": "decimal", "size": 32},
    {"name": "PCTAXA", "type": "float"},
    {"name": "DTPROPOS", "type": "datetime", "readOnly": true},
    {"name": "NRPARCELAS", "type": "integer"},
    {"name": "FLATIVO", "type": "boolean"},
    {"name": "DSOBS", "type": "blob"}
  ],
  "rows": [
    ["0001", "131.50", 0.30000000000000004, "2026-12-08T14:30:00.250", 12, true, "Ação"],
    [null, null, null, null, null, null, null]
  ]
})";

const char* const kDelta = R"({
  "fields": [{"name": "ID", "type": "integer"}, {"name": "VALOR", "type": "decimal"}],
  "changes": [
    {"kind": "insert", "new": [3, "1.10"]},
    {"kind": "modify", "old": [1, "2.00"], "new": [1, "2.50"]},
    {"kind": "delete", "old": [2, "0"]}
  ]
})";

// The message of the EConvertError that reading `text` as a packet throws.
std::string PacketError(const std::string& text) {
  try {
    PacketFromJson(json::parse(text));
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "(no error)";
}

std::string WithRows(const std::string& rows) {
  return R"({"fields":[{"name":"ID","type":"integer"},{"name":"VALOR","type":"decimal"}],"rows":)" + rows + "}";
}

}  // namespace

TEST(DataPacketJson, RoundTripGivesTheSameDump) {
  const json original = json::parse(kPacket);
  EXPECT_EQ(PacketToJson(PacketFromJson(original)).dump(), original.dump());
}

TEST(DataPacketJson, ValuesKeepTheirExactForm) {
  const DataPacket packet = PacketFromJson(json::parse(kPacket));
  ASSERT_EQ(packet.rows.size(), 2u);
  const Row& row = packet.rows[0];
  EXPECT_EQ(row[1].ToDecimal().ToString(), "131.50");
  const double sum = 0.1 + 0.2;
  const double read = json::parse(PacketToJson(packet).dump())["rows"][0][2].get<double>();
  EXPECT_EQ(std::memcmp(&read, &sum, sizeof sum), 0);
  EXPECT_EQ(row[3].ToDateTime().ToIso(), "2026-12-08T14:30:00.250");
  EXPECT_EQ(row[4], Variant(int64_t{12}));
  EXPECT_EQ(row[6].Text(), "Ação");
  EXPECT_TRUE(packet.rows[1][0].IsNull());
}

TEST(DataPacketJson, FieldFlagsAndSizeAreWrittenOnlyWhenSet) {
  DataPacket packet;
  packet.fields = {{"A", FieldType::String, 0, false, false}, {"B", FieldType::Integer, 0, true, true}};
  const json j = PacketToJson(packet);
  EXPECT_EQ(j["fields"][0].dump(), R"({"name":"A","type":"string"})");
  EXPECT_EQ(j["fields"][1].dump(), R"({"name":"B","readOnly":true,"required":true,"type":"integer"})");
  EXPECT_EQ(PacketFromJson(j), packet);
}

TEST(DataPacketJson, WritingConvertsValuesToTheFieldType) {
  DataPacket packet;
  packet.fields = {{"V", FieldType::Decimal}, {"D", FieldType::DateTime}};
  packet.rows = {{Variant("10.50"), Variant("08/12/2026")}};
  EXPECT_EQ(PacketToJson(packet)["rows"].dump(), R"([["10.50","2026-12-08T00:00:00"]])");
}

TEST(DataPacketJson, FieldIndexIgnoresCase) {
  const DataPacket packet = PacketFromJson(json::parse(kPacket));
  EXPECT_EQ(packet.FieldIndex("vlpropos"), 1);
  EXPECT_EQ(packet.FieldIndex("NOPE"), -1);
}

TEST(DataPacketJson, MalformedPacketsNameWhatIsWrong) {
  EXPECT_NE(PacketError(WithRows(R"([[1,"1"],[2]])")).find("row 2 has 1 values"), std::string::npos);
  EXPECT_NE(PacketError(WithRows(R"([["x","1"]])")).find("field 'ID'"), std::string::npos);
  EXPECT_NE(PacketError(WithRows(R"([[1,1.5]])")).find("field 'VALOR'"), std::string::npos);
  EXPECT_NE(PacketError(WithRows(R"([[1,"1,5"]])")).find("'1,5'"), std::string::npos);
  EXPECT_NE(PacketError(WithRows(R"([[1.5,"1"]])")).find("row 1, field 'ID'"), std::string::npos);
  EXPECT_NE(PacketError(WithRows(R"({})")).find("\"rows\""), std::string::npos);
  EXPECT_NE(PacketError(WithRows(R"([[9223372036854775808,"1"]])")).find("does not fit"), std::string::npos);
  EXPECT_NE(PacketError(R"({"fields":[{"name":"A","type":"money"}],"rows":[]})").find("'money'"), std::string::npos);
  EXPECT_NE(PacketError(R"({"fields":[{"name":"A","type":"string"},{"name":"a","type":"float"}],"rows":[]})")
                .find("used twice"),
            std::string::npos);
  EXPECT_NE(PacketError(R"({"fields":[{"name":"A","type":"string","readonly":true}],"rows":[]})").find("\"readonly\""),
            std::string::npos);
  EXPECT_NE(PacketError(R"({"fields":[{"name":"A","type":"string","size":-1}],"rows":[]})").find("size"),
            std::string::npos);
  EXPECT_NE(PacketError(R"({"fields":[{"name":"D","type":"datetime"}],"rows":[["2026-02-30"]]})").find("field 'D'"),
            std::string::npos);
  EXPECT_NE(PacketError(R"({"fields":[]})").find("\"rows\" is missing"), std::string::npos);
  EXPECT_NE(PacketError("[]").find("JSON object"), std::string::npos);
}

TEST(DataPacketJson, WritingRefusesNonFiniteFloatsAndShortRows) {
  DataPacket packet;
  packet.fields = {{"F", FieldType::Float}};
  packet.rows = {{Variant(std::numeric_limits<double>::infinity())}};
  EXPECT_THROW(PacketToJson(packet), EConvertError);
  packet.rows = {{}};
  EXPECT_THROW(PacketToJson(packet), EConvertError);
}

TEST(DeltaJson, RoundTripGivesTheSameDump) {
  const json original = json::parse(kDelta);
  const Delta delta = DeltaFromJson(original);
  ASSERT_EQ(delta.changes.size(), 3u);
  EXPECT_EQ(delta.changes[1].kind, ChangeKind::Modify);
  EXPECT_EQ(delta.changes[1].original[1].ToDecimal().ToString(), "2.00");
  EXPECT_EQ(delta.changes[1].current[1].ToDecimal().ToString(), "2.50");
  EXPECT_TRUE(delta.changes[0].original.empty());
  EXPECT_EQ(DeltaToJson(delta).dump(), original.dump());
}

TEST(DeltaJson, ChangesMustCarryExactlyTheRowsOfTheirKind) {
  const auto error = [](const std::string& change) -> std::string {
    try {
      DeltaFromJson(json::parse(R"({"fields":[{"name":"ID","type":"integer"}],"changes":[)" + change + "]}"));
    } catch (const EConvertError& e) {
      return e.what();
    }
    return "(no error)";
  };
  EXPECT_NE(error(R"({"kind":"insert","old":[1],"new":[1]})").find("\"old\""), std::string::npos);
  EXPECT_NE(error(R"({"kind":"modify","new":[1]})").find("\"old\" is missing"), std::string::npos);
  EXPECT_NE(error(R"({"kind":"update","new":[1]})").find("\"update\""), std::string::npos);
  EXPECT_NE(error(R"({"kind":"delete","old":[1,2]})").find("change 1 old values has 2 values"), std::string::npos);
}
