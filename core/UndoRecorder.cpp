#include "core/UndoRecorder.h"

#include "core/ProjectSchema.h"

#include <algorithm>

namespace ldr {

namespace {

bool IsProjectTable(const std::string& table) {
  const auto& names = ProjectSchema::TableNames();
  return std::find(names.begin(), names.end(), table) != names.end();
}

} // namespace

UndoRecorder::UndoRecorder(db::Connection& connection)
    : mConnection(connection), mKeyless(connection), mViewState(connection) {}

void UndoRecorder::Begin() {
  mKeyless.Install();
  mKeyless.Clear();
  mSession = std::make_unique<db::ChangeSession>(mConnection, IsProjectTable);
}

std::optional<RecordedEdit> UndoRecorder::Finish() {
  auto session = std::move(mSession);
  RecordedEdit edit;
  if (session && !session->Empty()) {
    auto rows = mViewState.WithoutViewState(db::Changeset::Read(session->Changes()));
    if (!rows.empty()) edit.Changes = db::Changeset::Write(rows);
  }
  session.reset();
  const auto keyless = mKeyless.Take();
  if (!keyless.empty()) edit.Rows = db::Changeset::Write(keyless);
  if (edit.Changes.empty() && edit.Rows.empty()) return std::nullopt;
  return edit;
}

} // namespace ldr
