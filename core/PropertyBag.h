#pragma once
// A property bag: named values that serialise an object (elements for
// replicas, strips with their elements). Values are database values, so a
// bag holds numbers, texts and byte arrays; a nested object is stored as the
// byte array of its own bag (Contents).

#include "platform/database/DbValue.h"

#include <map>
#include <string>
#include <vector>

namespace ldr {

class PropertyBag {
public:
  void WriteProperty(const std::string& name, const db::DbValue& value) { mValues[name] = value; }
  // The value under `name`, or `defaultValue` when the bag has none.
  db::DbValue ReadProperty(const std::string& name, const db::DbValue& defaultValue = {}) const;
  bool HasProperty(const std::string& name) const { return mValues.count(name) > 0; }
  std::size_t Count() const { return mValues.size(); }

  // A list of byte arrays (for example the serialised operands of a slot
  // collection) as one byte array, and back. Damaged data throws
  // std::invalid_argument.
  static db::Blob JoinBlobs(const std::vector<db::Blob>& items);
  static std::vector<db::Blob> SplitBlobs(const db::Blob& joined);

  // The whole bag as bytes, and a bag from such bytes (std::invalid_argument
  // when damaged).
  db::Blob Contents() const;
  static PropertyBag FromContents(const db::Blob& contents);

  bool operator==(const PropertyBag&) const = default;

private:
  std::map<std::string, db::DbValue> mValues;
};

} // namespace ldr
