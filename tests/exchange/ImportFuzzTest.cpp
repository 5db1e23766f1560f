// Mutated export files, bytes and rows, fed to the import: whatever the file
// holds, the import ends (done, refused or bad file), a project it did not
// finish with is exactly as before, and the database stays sound. Bounded
// and seeded, so the run is short and repeatable.

#include "exchange/clsExportImport.h"
#include "platform/database/Connection.h"
#include "support/ExchangeProject.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace ldr::test {
namespace {

using Outcome = clsExportImport::Outcome;

constexpr int kByteCases = 60;
constexpr int kRowCases = 60;

class ImportFuzz : public ::testing::Test {
protected:
  void SetUp() override {
    ExchangeProject source(mDir.File("source.ldrp"));
    BuildSampleLadder(source.Db());
    ASSERT_EQ(source.Exchange().ExportToFile({2}, mDir.File("valid.dnq")), Outcome::Done);
    mValid = ReadFileBytes(mDir.File("valid.dnq"));
    mTarget = std::make_unique<ExchangeProject>(mDir.File("target.ldrp"));
    mTarget->Db().Execute("INSERT INTO FB_Fathers (FatherID, HexFileVersion) VALUES (100100, 3)");
  }

  std::string Write(const std::string& bytes) {
    const std::string path = mDir.File("mutated.dnq");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
  }

  // One import of the file: its outcome, and the project unchanged unless done.
  void Check(const std::string& path, const std::string& mutation) {
    SCOPED_TRACE(mutation);
    const std::string before = ProjectContent(mTarget->Db());
    Outcome outcome = Outcome::Nothing;
    try {
      outcome = mTarget->Exchange().ImportFromFile(1, path);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "the import threw: " << e.what();
    }
    ++mOutcomes[static_cast<int>(outcome)];
    const std::string after = ProjectContent(mTarget->Db());
    if (outcome != Outcome::Done) {
      EXPECT_TRUE(after == before);
    }
    EXPECT_NE(after.find("\nok|\n"), std::string::npos);
    EXPECT_EQ(after.find("expimp_"), std::string::npos);
  }

  std::string RowMutation(std::mt19937& random) {
    static const std::vector<std::pair<const char*, std::vector<const char*>>> tables = {
        {"expimp_LdrFunctions", {"FuncID", "FuncName", "Protected", "MdlID"}},
        {"expimp_LdrStrips", {"StripID", "FuncID", "SeqNum", "StrpType", "LblName", "Comment"}},
        {"expimp_LdrElements", {"ElmntID", "StripID", "ElmntType", "MoreParamsLng", "MoreParamsBin"}},
        {"expimp_LdrElmsOprs", {"ElmntID", "Elmnt_Oprnd_Type", "Elmnt_Oprnd_Adrs", "Elmnt_Oprnd_NetworkID"}},
        {"expimp_LdrOperands", {"OprndType", "OprndAddress", "NetworkID", "OprndDescription"}},
        {"expimp_FB_Instance_Details", {"FatherID", "InstanceNumber", "InstanceDescription"}},
        {"expimp_GeneralProps", {"ExportedDBVersion"}}};
    static const std::vector<const char*> values = {"NULL",
                                                    "0",
                                                    "-1",
                                                    "32000",
                                                    "2147483647",
                                                    "9223372036854775807",
                                                    "'x'",
                                                    "x'00FF'",
                                                    "1.5",
                                                    "(SELECT MIN(rowid) FROM sqlite_master)",
                                                    "hex(zeroblob(700000))",
                                                    "'Main'"};
    const auto& [table, columns] = tables[random() % tables.size()];
    switch (random() % 4) {
    case 0:
      return std::string("DELETE FROM ") + table + " WHERE rowid IN (SELECT rowid FROM " + table +
             " ORDER BY random() LIMIT 1)";
    case 1:
      return std::string("INSERT INTO ") + table + " SELECT * FROM " + table + " LIMIT 1";
    default:
      return std::string("UPDATE ") + table + " SET " + columns[random() % columns.size()] + "=" +
             values[random() % values.size()] + " WHERE rowid=" + std::to_string(1 + random() % 4);
    }
  }

  TempDir mDir;
  std::string mValid;
  std::unique_ptr<ExchangeProject> mTarget;
  int mOutcomes[5] = {};
};

TEST_F(ImportFuzz, MutatedBytesNeverChangeTheProjectUnlessImportedWhole) {
  std::mt19937 random(20240611);
  for (int i = 0; i < kByteCases; ++i) {
    std::string bytes = mValid;
    if (i % 8 == 7) {
      bytes.resize(random() % bytes.size());
    } else {
      for (int flips = 1 + random() % 8; flips > 0; --flips)
        bytes[random() % bytes.size()] = static_cast<char>(random());
    }
    Check(Write(bytes), "byte case " + std::to_string(i));
  }
  // The mutations reach both ends: files refused as damaged and files read.
  EXPECT_GT(mOutcomes[static_cast<int>(Outcome::BadFile)], 0);
}

TEST_F(ImportFuzz, MutatedRowsNeverChangeTheProjectUnlessImportedWhole) {
  std::mt19937 random(7);
  for (int i = 0; i < kRowCases; ++i) {
    const std::string path = Write(mValid);
    std::string mutations;
    {
      auto file = db::Connection::Open(path, db::OpenMode::ExistingReadWrite);
      for (int count = 1 + random() % 3; count > 0; --count) {
        const std::string sql = RowMutation(random);
        try {
          file->Execute(sql);
          mutations += sql + "; ";
        } catch (const std::exception&) {
        }
      }
    }
    Check(path, mutations);
  }
  EXPECT_GT(mOutcomes[static_cast<int>(Outcome::Done)], 0);
  EXPECT_GT(mOutcomes[static_cast<int>(Outcome::BadFile)], 0);
}

} // namespace
} // namespace ldr::test
