#include "platform/database/Changeset.h"

#include "platform/database/Connection.h"
#include "platform/database/DbError.h"

#include <sqlite3.h>

#include <bit>
#include <memory>

namespace ldr::db {

namespace {

// The record field types of the changeset format.
enum : std::uint8_t { kUndefined = 0, kInteger = 1, kReal = 2, kText = 3, kBytes = 4, kNull = 5 };

DbValue ValueOf(sqlite3_value* value) {
  switch (sqlite3_value_type(value)) {
  case SQLITE_INTEGER:
    return DbValue(static_cast<long long>(sqlite3_value_int64(value)));
  case SQLITE_FLOAT:
    return DbValue(sqlite3_value_double(value));
  case SQLITE_TEXT:
    return DbValue(std::string(reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value)));
  case SQLITE_BLOB: {
    const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_value_blob(value));
    return DbValue(Blob(bytes, bytes + sqlite3_value_bytes(value)));
  }
  default:
    return DbValue();
  }
}

ChangeOp OpOf(int op) {
  if (op == SQLITE_INSERT) return ChangeOp::Insert;
  return op == SQLITE_UPDATE ? ChangeOp::Update : ChangeOp::Delete;
}

std::uint8_t CodeOf(ChangeOp op) {
  if (op == ChangeOp::Insert) return SQLITE_INSERT;
  return op == ChangeOp::Update ? SQLITE_UPDATE : SQLITE_DELETE;
}

using Getter = int (*)(sqlite3_changeset_iter*, int, sqlite3_value**);

std::vector<std::optional<DbValue>> ValuesOf(sqlite3_changeset_iter* it, int columns, Getter get) {
  std::vector<std::optional<DbValue>> values(columns);
  for (int i = 0; i < columns; ++i) {
    sqlite3_value* value = nullptr;
    if (get(it, i, &value) == SQLITE_OK && value) values[i] = ValueOf(value);
  }
  return values;
}

// The change the iterator stands on, with the values its operation has.
ChangedRow RowAt(sqlite3_changeset_iter* it) {
  const char* table = nullptr;
  int columns = 0, op = 0, indirect = 0;
  sqlite3changeset_op(it, &table, &columns, &op, &indirect);
  unsigned char* keyFlags = nullptr;
  sqlite3changeset_pk(it, &keyFlags, &columns);
  ChangedRow row;
  row.Table = table;
  row.Op = OpOf(op);
  row.Indirect = indirect != 0;
  row.Key.assign(keyFlags, keyFlags + columns);
  if (row.Op != ChangeOp::Insert) row.Old = ValuesOf(it, columns, sqlite3changeset_old);
  if (row.Op != ChangeOp::Delete) row.New = ValuesOf(it, columns, sqlite3changeset_new);
  return row;
}

struct IteratorCloser {
  void operator()(sqlite3_changeset_iter* it) const { sqlite3changeset_finalize(it); }
};
using Iterator = std::unique_ptr<sqlite3_changeset_iter, IteratorCloser>;

Iterator Start(const Blob& changeset) {
  sqlite3_changeset_iter* it = nullptr;
  int rc = sqlite3changeset_start(&it, static_cast<int>(changeset.size()), const_cast<std::uint8_t*>(changeset.data()));
  if (rc != SQLITE_OK) throw DbError(rc, "unreadable changeset");
  return Iterator(it);
}

class Encoder {
public:
  void Byte(std::uint8_t value) { mOut.push_back(value); }
  void Varint(std::uint64_t value) {
    std::uint8_t digits[10];
    int count = 0;
    if (value & (0xffULL << 56)) { // nine bytes: the last one carries eight bits
      digits[count++] = static_cast<std::uint8_t>(value);
      value >>= 8;
      for (int i = 0; i < 8; ++i, value >>= 7) digits[count++] = static_cast<std::uint8_t>((value & 0x7f) | 0x80);
    } else {
      do {
        const std::uint8_t more = count > 0 ? 0x80 : 0; // every byte but the last carries the flag
        digits[count++] = static_cast<std::uint8_t>((value & 0x7f) | more);
        value >>= 7;
      } while (value != 0);
    }
    while (count > 0) Byte(digits[--count]);
  }
  void BigEndian(std::uint64_t bits) {
    for (int shift = 56; shift >= 0; shift -= 8) Byte(static_cast<std::uint8_t>(bits >> shift));
  }
  void Bytes(const void* data, size_t size) {
    Varint(size);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    mOut.insert(mOut.end(), bytes, bytes + size);
  }
  void Field(const std::optional<DbValue>& field) {
    if (!field) return Byte(kUndefined);
    const auto& raw = field->Raw();
    if (const auto* integer = std::get_if<std::int64_t>(&raw)) {
      Byte(kInteger);
      BigEndian(static_cast<std::uint64_t>(*integer));
    } else if (const auto* real = std::get_if<double>(&raw)) {
      Byte(kReal);
      BigEndian(std::bit_cast<std::uint64_t>(*real));
    } else if (const auto* text = std::get_if<std::string>(&raw)) {
      Byte(kText);
      Bytes(text->data(), text->size());
    } else if (const auto* bytes = std::get_if<Blob>(&raw)) {
      Byte(kBytes);
      Bytes(bytes->data(), bytes->size());
    } else {
      Byte(kNull);
    }
  }
  void Record(const std::vector<std::optional<DbValue>>& fields) {
    for (const auto& field : fields) Field(field);
  }
  void TableHeader(const ChangedRow& row) {
    Byte('T');
    Varint(row.Key.size());
    for (std::uint8_t key : row.Key) Byte(key);
    mOut.insert(mOut.end(), row.Table.begin(), row.Table.end());
    Byte(0);
  }
  Blob Take() { return std::move(mOut); }

private:
  Blob mOut;
};

// Walks the changeset format: SQLite's own readers can loop for ever on
// some damaged blobs (a table header without its name) instead of failing.
class FormatCheck {
public:
  explicit FormatCheck(const Blob& blob) : mBlob(blob) {}

  bool Valid() {
    size_t columns = 0;
    while (mAt < mBlob.size()) {
      const std::uint8_t tag = mBlob[mAt++];
      if (tag == 'T') {
        if (!Header(columns)) return false;
      } else if (tag == SQLITE_INSERT || tag == SQLITE_DELETE || tag == SQLITE_UPDATE) {
        if (columns == 0 || !Skip(1)) return false;
        const int records = tag == SQLITE_UPDATE ? 2 : 1;
        for (int r = 0; r < records; ++r)
          for (size_t c = 0; c < columns; ++c)
            if (!Field()) return false;
      } else {
        return false;
      }
    }
    return true;
  }

private:
  bool Skip(std::uint64_t count) {
    if (count > mBlob.size() - mAt) return false;
    mAt += count;
    return true;
  }
  bool Varint(std::uint64_t& value) {
    value = 0;
    for (int i = 0; i < 9; ++i) {
      if (mAt >= mBlob.size()) return false;
      const std::uint8_t byte = mBlob[mAt++];
      if (i == 8) {
        value = (value << 8) | byte;
        return true;
      }
      value = (value << 7) | (byte & 0x7f);
      if (!(byte & 0x80)) return true;
    }
    return true;
  }
  bool Header(size_t& columns) {
    std::uint64_t count = 0;
    if (!Varint(count) || count == 0 || count > 32767 || !Skip(count)) return false;
    columns = count;
    while (mAt < mBlob.size() && mBlob[mAt] != 0) ++mAt;
    return Skip(1);
  }
  bool Field() {
    if (mAt >= mBlob.size()) return false;
    std::uint64_t size = 0;
    switch (mBlob[mAt++]) {
    case kUndefined:
    case kNull:
      return true;
    case kInteger:
    case kReal:
      return Skip(8);
    case kText:
    case kBytes:
      return Varint(size) && Skip(size);
    default:
      return false;
    }
  }

  const Blob& mBlob;
  size_t mAt = 0;
};

void CheckFormat(const Blob& changeset) {
  if (!FormatCheck(changeset).Valid()) throw DbError(SQLITE_CORRUPT, "damaged changeset");
}

struct ApplyContext {
  const ConflictHandler* OnConflict;
};

int OnConflict(void* context, int kind, sqlite3_changeset_iter* it) {
  const auto& handler = *static_cast<ApplyContext*>(context)->OnConflict;
  ConflictKind conflict = ConflictKind::Constraint;
  switch (kind) {
  case SQLITE_CHANGESET_DATA:
    conflict = ConflictKind::Data;
    break;
  case SQLITE_CHANGESET_NOTFOUND:
    conflict = ConflictKind::NotFound;
    break;
  case SQLITE_CHANGESET_CONFLICT:
    conflict = ConflictKind::Conflict;
    break;
  case SQLITE_CHANGESET_FOREIGN_KEY:
    // The iterator stands on no row here.
    return handler(ConflictKind::ForeignKey, ChangedRow(), {}) == ConflictAnswer::Omit ? SQLITE_CHANGESET_OMIT
                                                                                       : SQLITE_CHANGESET_ABORT;
  default:
    break;
  }
  const ChangedRow row = RowAt(it);
  std::vector<DbValue> current;
  if (conflict == ConflictKind::Data || conflict == ConflictKind::Conflict) {
    for (size_t i = 0; i < row.Key.size(); ++i) {
      sqlite3_value* value = nullptr;
      sqlite3changeset_conflict(it, static_cast<int>(i), &value);
      current.push_back(value ? ValueOf(value) : DbValue());
    }
  }
  try {
    switch (handler(conflict, row, current)) {
    case ConflictAnswer::Omit:
      return SQLITE_CHANGESET_OMIT;
    case ConflictAnswer::Replace:
      return conflict == ConflictKind::Data || conflict == ConflictKind::Conflict ? SQLITE_CHANGESET_REPLACE
                                                                                  : SQLITE_CHANGESET_ABORT;
    case ConflictAnswer::Abort:
      break;
    }
  } catch (...) {
    // A handler that fails refuses the change.
  }
  return SQLITE_CHANGESET_ABORT;
}

} // namespace

std::vector<ChangedRow> Changeset::Read(const Blob& changeset) {
  std::vector<ChangedRow> rows;
  if (changeset.empty()) return rows;
  CheckFormat(changeset);
  auto it = Start(changeset);
  int rc = SQLITE_OK;
  while ((rc = sqlite3changeset_next(it.get())) == SQLITE_ROW) rows.push_back(RowAt(it.get()));
  if (rc != SQLITE_DONE) throw DbError(rc, "damaged changeset");
  return rows;
}

Blob Changeset::Write(const std::vector<ChangedRow>& rows) {
  Encoder out;
  const ChangedRow* header = nullptr;
  for (const auto& row : rows) {
    if (!header || header->Table != row.Table || header->Key != row.Key) {
      out.TableHeader(row);
      header = &row;
    }
    out.Byte(CodeOf(row.Op));
    out.Byte(row.Indirect ? 1 : 0);
    if (row.Op != ChangeOp::Insert) out.Record(row.Old);
    if (row.Op != ChangeOp::Delete) out.Record(row.New);
  }
  return out.Take();
}

Blob Changeset::Invert(const Blob& changeset) {
  if (changeset.empty()) return {};
  CheckFormat(changeset);
  int size = 0;
  void* inverted = nullptr;
  int rc = sqlite3changeset_invert(static_cast<int>(changeset.size()), changeset.data(), &size, &inverted);
  if (rc != SQLITE_OK) throw DbError(rc, "damaged changeset");
  const auto* bytes = static_cast<const std::uint8_t*>(inverted);
  Blob result(bytes, bytes + size);
  sqlite3_free(inverted);
  return result;
}

void Changeset::Apply(Connection& connection, const Blob& changeset, const ConflictHandler& onConflict) {
  if (changeset.empty()) return;
  CheckFormat(changeset);
  connection.NotifyWrite();
  ApplyContext context{&onConflict};
  int rc = sqlite3changeset_apply(connection.Handle(), static_cast<int>(changeset.size()),
                                  const_cast<std::uint8_t*>(changeset.data()), nullptr, OnConflict, &context);
  if (rc != SQLITE_OK) throw DbError(rc, sqlite3_errstr(rc) + std::string(": the changes could not be applied"));
}

} // namespace ldr::db
