// `ldr sql PATH STATEMENT`: runs one statement on a project and prints its
// rows. A writing statement runs in a transaction of its own.
#include "apps/ldr/Commands.h"
#include "apps/ldr/RowFormat.h"
#include "core/ProjectDatabase.h"
#include "platform/database/Transaction.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

void AddSqlCommand(CLI::App& app) {
  auto* command = app.add_subcommand("sql", "Run a statement on a project database and print its rows");
  auto path = std::make_shared<std::string>();
  auto sql = std::make_shared<std::string>();
  command->add_option("PATH", *path, "project file")->required();
  command->add_option("STATEMENT", *sql, "SQL statement")->required();
  command->callback([path, sql] {
    auto db = ProjectDatabase::Open(*path);
    db::Transaction transaction(*db);
    auto rows = db->Query(*sql);
    PrintRows(std::cout, rows);
    transaction.Commit();
  });
}

} // namespace ldr::cli
