#include "apps/studio/ToolCatalogue.h"

#include "core/enEditCommand.h"
#include "editor/ToolTable.h"
#include "elements/ElementFactory.h"
#include "elements/ElementFamilies.h"
#include "elements/ElementTitles.h"
#include "elements/ElementTypeTable.h"
#include "outside/utilities/GuiService.h"

#include <algorithm>

namespace ldr::studio {

namespace {

constexpr const char* kOtherGroup = "Other";

const std::vector<CommandEntry> kStripTools = {
    {"ID_NewNet", "New Net"},
    {"ID_InsertComment", "Insert Comment"},
    {"ID_LSetLabel", "Set Label"},
    {"ID_AppendLdrNet", "Append Nets"},
};

const std::vector<CommandEntry> kStripCommands = {
    {"ID_SelectAll", "Select All"},     {"ID_CollapseNets", "Collapse Nets"}, {"ID_ExpandNets", "Expand Nets"},
    {"ID_ExpandAllNets", "Expand All"}, {"ID_DisableNets", "Disable Nets"},   {"ID_EnableNets", "Enable Nets"},
};

const std::vector<CommandEntry> kEditCommands = {
    {"ID_Cut", "Cut"},
    {"ID_Copy", "Copy"},
    {"ID_Paste", "Paste"},
    {"ID_Delete", "Delete"},
};

const std::vector<CommandEntry> kOtherCommands = {
    {"ID_LDrawLine", "Draw Lines"},
    {"ID_LPowerFlow", "Power Flow"},
    {"ID_SelectAllInNet", "Select All in Net"},
};

// The element menu's conversions: the coil that was clicked becomes another
// coil (a special tool request to that element, not a new element).
const std::vector<CommandEntry> kConversions = {
    {"ID_DirectCoil", "Make Direct Coil"}, {"ID_InvertedCoil", "Make Inverted Coil"}, {"ID_SETCoil", "Make SET Coil"},
    {"ID_RESETCoil", "Make RESET Coil"},   {"ID_ToggleCoil", "Make Toggle Coil"},
};

const CommandEntry kSeparator{};

// The first type row that a switch tool selects (its text names that type).
const ElementTypeRow* SwitchToolRow(const std::string& id) {
  if (id.empty()) return nullptr;
  for (const auto& row : ElementTypeTable::Rows())
    if (row.SwitchTool == id) return &row;
  return nullptr;
}

std::vector<std::string> SwitchTools() {
  std::vector<std::string> tools;
  for (const auto& row : ElementTypeTable::Rows()) {
    const std::string tool(row.SwitchTool);
    if (!tool.empty() && std::find(tools.begin(), tools.end(), tool) == tools.end()) tools.push_back(tool);
  }
  return tools;
}

} // namespace

std::string ToolCatalogue::GroupTitleOf(long elementType) {
  const auto* family = FindFamily(GetFamilyType(static_cast<std::int32_t>(elementType)));
  if (!family || family->PaletteGroup.empty()) return kOtherGroup;
  return std::string(family->PaletteGroup);
}

std::string ToolCatalogue::ButtonText(long elementType) {
  const auto* row = ElementTypeTable::Find(static_cast<std::int32_t>(elementType));
  return row ? std::string(row->Button) : std::string{};
}

bool ToolCatalogue::IsAvailable(long elementType) {
  return IsFamilyBuilt(GetFamilyType(static_cast<std::int32_t>(elementType)));
}

std::string ToolCatalogue::ToolText(const std::string& toolID, long elementType) {
  std::string title = GetElementTitle(nullptr, static_cast<std::int32_t>(elementType));
  if (!title.empty()) return title;
  return toolID.rfind("ID_", 0) == 0 ? toolID.substr(3) : toolID;
}

std::vector<ToolGroup> ToolCatalogue::ElementGroups() {
  std::vector<ToolGroup> groups;
  for (const auto& family : ElementFamilies()) {
    const bool known =
        std::any_of(groups.begin(), groups.end(), [&](const auto& g) { return g.Title == family.PaletteGroup; });
    if (!known && !family.PaletteGroup.empty()) groups.push_back({std::string(family.PaletteGroup), {}});
  }
  groups.push_back({kOtherGroup, {}});
  for (const auto& tool : ToolTable::ElementTools()) {
    const std::string id(tool.ToolID);
    const std::string title = GroupTitleOf(tool.ElementType);
    auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.Title == title; });
    group->Tools.push_back({id, tool.ElementType, ToolText(id, tool.ElementType), IsAvailable(tool.ElementType)});
  }
  groups.erase(std::remove_if(groups.begin(), groups.end(), [](const auto& g) { return g.Tools.empty(); }),
               groups.end());
  return groups;
}

const std::vector<CommandEntry>& ToolCatalogue::StripTools() { return kStripTools; }
const std::vector<CommandEntry>& ToolCatalogue::StripCommands() { return kStripCommands; }
const std::vector<CommandEntry>& ToolCatalogue::EditCommands() { return kEditCommands; }

long ToolCatalogue::EditCommandOf(const std::string& id) {
  if (id == "ID_Cut") return eEC_Cut;
  if (id == "ID_Copy") return eEC_Copy;
  if (id == "ID_Paste") return eEC_Paste;
  if (id == "ID_Delete") return eEC_Delete;
  return 0;
}

bool ToolCatalogue::IsConversion(const std::string& id) {
  return IsSwitchTool(id) ||
         std::any_of(kConversions.begin(), kConversions.end(), [&](const auto& entry) { return entry.ID == id; });
}

bool ToolCatalogue::IsSwitchTool(const std::string& id) { return SwitchToolRow(id) != nullptr; }

bool ToolCatalogue::ShowsEntry(const std::string& id, const std::vector<std::string>& disabled) {
  const auto refused = [&](const std::string& tool) {
    return std::find(disabled.begin(), disabled.end(), tool) != disabled.end();
  };
  const bool box = std::any_of(disabled.begin(), disabled.end(), [](const auto& tool) { return IsSwitchTool(tool); });
  if (IsSwitchTool(id)) return box && !refused(id);
  if (IsConversion(id)) return !box;
  return true;
}

std::string ToolCatalogue::TextOf(const std::string& id) {
  for (const auto* list : {&kStripTools, &kStripCommands, &kEditCommands, &kOtherCommands, &kConversions})
    for (const auto& entry : *list)
      if (entry.ID == id) return entry.Text;
  if (const auto* row = SwitchToolRow(id)) {
    const std::string title = GetElementTitle(nullptr, static_cast<std::int32_t>(row->Type));
    return "Make " + (title.empty() ? id.substr(3) : title);
  }
  if (const auto type = ToolTable::ElementTypeOf(id)) return ToolText(id, *type);
  return id;
}

std::vector<CommandEntry> ToolCatalogue::ContextMenu(int menuID) {
  auto entries = [](std::initializer_list<const char*> ids) {
    std::vector<CommandEntry> list;
    for (const char* id : ids) list.push_back(*id ? CommandEntry{id, TextOf(id)} : kSeparator);
    return list;
  };
  switch (menuID) {
  case eGM_Line:
  case eGM_Operand:
    return entries({"ID_Cut", "ID_Copy", "ID_Delete"});
  case eGM_Element: {
    auto list = entries({"ID_Cut", "ID_Copy", "ID_Delete", "", "ID_DirectCoil", "ID_InvertedCoil", "ID_SETCoil",
                         "ID_RESETCoil", "ID_ToggleCoil", ""});
    for (const auto& tool : SwitchTools()) list.push_back({tool, TextOf(tool)});
    list.push_back(kSeparator);
    list.push_back({"ID_LPowerFlow", TextOf("ID_LPowerFlow")});
    return list;
  }
  case eGM_SelectedElements:
    return entries({"ID_Cut", "ID_Copy", "ID_Delete", "", "ID_SelectAllInNet"});
  case eGM_EditZone:
    return entries({"ID_Paste", "", "ID_SelectAllInNet", "ID_LPowerFlow", "", "ID_NewNet", "ID_InsertComment",
                    "ID_LSetLabel", "ID_AppendLdrNet"});
  case eGM_StripHeader:
    return entries({"ID_Cut", "ID_Copy", "ID_Paste", "ID_Delete", "", "ID_SelectAll", "ID_CollapseNets",
                    "ID_ExpandNets", "ID_ExpandAllNets", "ID_DisableNets", "ID_EnableNets", "", "ID_NewNet",
                    "ID_InsertComment", "ID_LSetLabel"});
  case eGM_Comment:
    return entries({"ID_Cut", "ID_Copy", "ID_Paste", "ID_Delete", "", "ID_InsertComment", "ID_NewNet"});
  case eGM_Label:
    return entries({"ID_Cut", "ID_Copy", "ID_Paste", "ID_Delete", "", "ID_LSetLabel", "ID_NewNet"});
  default:
    return {};
  }
}

} // namespace ldr::studio
