#pragma once
// What the studio offers as tools: every element tool of the tool table,
// grouped by element family (a tool whose family has no class in this build
// is marked unavailable, so it is shown disabled rather than hidden), the
// strip tools and commands, the edit commands and the entries of the context
// menus the component asks for by identifier.

#include <string>
#include <vector>

namespace ldr::studio {

struct ToolEntry {
  std::string ToolID;
  long ElementType = 0;
  std::string Text;
  bool Available = true;
};

struct ToolGroup {
  std::string Title;
  std::vector<ToolEntry> Tools;
};

// An entry of a menu: a tool or command ID and its text. An empty ID is a
// separator.
struct CommandEntry {
  std::string ID;
  std::string Text;
};

class ToolCatalogue {
public:
  // Every element tool, in the tool table's order within each group; the
  // groups in the order of their first family.
  static std::vector<ToolGroup> ElementGroups();
  static std::string GroupTitleOf(long elementType);
  // Whether the element family of the type has a class in this build.
  static bool IsAvailable(long elementType);
  static std::string ToolText(const std::string& toolID, long elementType);
  // The short text of the type's palette button; empty: the tool text serves.
  static std::string ButtonText(long elementType);

  // "ID_NewNet", "ID_InsertComment", "ID_LSetLabel", "ID_AppendLdrNet".
  static const std::vector<CommandEntry>& StripTools();
  // Select all, collapse, expand, expand all, disable, enable.
  static const std::vector<CommandEntry>& StripCommands();
  // Cut, copy, paste and delete as command IDs ("ID_Cut" …).
  static const std::vector<CommandEntry>& EditCommands();
  // The edit command (enEditCommand) of an edit command ID; 0 for any other ID.
  static long EditCommandOf(const std::string& id);
  static std::string TextOf(const std::string& id);
  // Whether a context-menu entry converts the element clicked ("ID_SETCoil"
  // …): it goes back to the editor as a special tool request.
  static bool IsConversion(const std::string& id);
  // Whether the entry switches a box to another type of its family
  // ("ID_GreaterEqual", "ID_Add" …); a box names the ones it refuses.
  static bool IsSwitchTool(const std::string& id);
  // The element menu's entries for one element: a box that refuses some
  // switch tools gets its own ones (and no coil conversions); every other
  // element gets no switch tools. `disabled`: the tools the element refuses.
  static bool ShowsEntry(const std::string& id, const std::vector<std::string>& disabled);

  // The entries of the context menu `menuID` (GuiMenu); empty for an
  // unknown menu.
  static std::vector<CommandEntry> ContextMenu(int menuID);

  static constexpr const char* kLineTool = "ID_LDrawLine";
  static constexpr const char* kPowerFlowTool = "ID_LPowerFlow";
};

} // namespace ldr::studio
