// TADOIBQuery: a read-only query over the host's local database.
//
// The SQL text is run as it stands; ":NAME" marks a named parameter (the
// same name may occur several times and takes one value). Parameter values
// are always bound, never pasted into the text. Open runs the statement and
// fills the data set; declared fields take the columns of the same name (a
// declared field the result lacks is an error), without declared fields the
// result's columns become the fields. The query cannot be edited.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/data/dataset.h"

namespace plat {

class TLocalDatabase;

class TParam {
 public:
  explicit TParam(std::string name) : name_(std::move(name)) {}
  const std::string& Name() const { return name_; }
  const Variant& Value() const { return value_; }
  void SetValue(const Variant& value) { value_ = value; }
  void SetAsString(std::string text) { value_ = Variant(std::move(text)); }
  std::string AsString() const { return value_.ToText(); }
  void Clear() { value_ = Variant(); }

 private:
  std::string name_;
  Variant value_;
};

class TADOIBQuery : public TDataSet {
 public:
  TADOIBQuery(TComponent* owner, std::string name, TLocalDatabase* database = nullptr);

  void SetDatabase(TLocalDatabase* database) { database_ = database; }
  // Setting the text closes the query and finds its parameters.
  void SetSQL(std::string sql);
  const std::string& SQL() const { return sql_; }

  TParam& ParamByName(std::string_view name);  // throws when the text has no such parameter
  const std::vector<TParam>& Params() const { return params_; }

  bool CanModify() const override { return false; }

 protected:
  void InternalOpen() override;

 private:
  TLocalDatabase* database_;
  std::string sql_;
  std::vector<TParam> params_;
};

}  // namespace plat
