#include "elements/ElementCatalogueListing.h"

#include "elements/ElementFamilies.h"
#include "elements/ElementTitles.h"
#include "interfaces/enElementType.h"

namespace ldr {
namespace {

void WriteLine(std::ostream& out, db::Connection* project, std::int32_t type) {
  out << type << '|' << static_cast<std::int32_t>(GetFamilyType(type)) << '|' << GetElementTitle(project, type) << '\n';
}

} // namespace

void WriteElementCatalogue(std::ostream& out, db::Connection* project) {
  for (const auto& member : kElementTypeMembers) WriteLine(out, project, member.Value);
  if (!project) return;
  auto methods = project->Query("SELECT MethodID FROM FB_Methods WHERE MethodID BETWEEN " +
                                std::to_string(eET_FunctionBlockFirst) + " AND " +
                                std::to_string(eET_FunctionBlockLast) + " ORDER BY MethodID");
  for (; !methods.IsEOF(); methods.MoveNext()) WriteLine(out, project, methods.Field(0).AsLong());
}

} // namespace ldr
