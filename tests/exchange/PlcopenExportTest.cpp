// The PLCopen export read back with an XML parser: the connections carry the
// rung's logic, every exportable type passes the TC6 2.01 schema, and bad
// input is exported as it stands with a warning.
#include "core/ProjectDatabase.h"
#include "exchange/plcopen/LadderProjectReader.h"
#include "exchange/plcopen/PlcopenExporter.h"
#include "support/LadderRows.h"
#include "support/ProjectFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace ldr::test {

namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::HasSubstr;

constexpr long kMain = ProjectDatabase::kMainFunctionID;
constexpr long kInput = 9, kOutput = 10, kMemoryInt = 3, kConstInt = 15;

// The PLCopen TC6 2.01 schema kept with the exporter (or one named by LDR_PLCOPEN_XSD).
std::string SchemaPath() {
  if (const char* named = std::getenv("LDR_PLCOPEN_XSD")) return named;
  return LDR_SOURCE_DIR "/exchange/plcopen/schema/tc6_xml_v201.xsd";
}

std::string Attr(xmlNodePtr node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  std::string text = value ? reinterpret_cast<const char*>(value) : "";
  xmlFree(value);
  return text;
}

std::string ChildText(xmlNodePtr node, const char* name) {
  for (xmlNodePtr child = node->children; child; child = child->next)
    if (child->type == XML_ELEMENT_NODE && xmlStrcmp(child->name, reinterpret_cast<const xmlChar*>(name)) == 0) {
      xmlChar* content = xmlNodeGetContent(child);
      std::string text = reinterpret_cast<const char*>(content);
      xmlFree(content);
      const auto first = text.find_first_not_of(" \n");
      return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \n") - first + 1);
    }
  return {};
}

// The export parsed: every body object by localId, named by kind and
// operand ("contact I1", "block ADD"), and every connection as an edge
// "producer -> consumer" (block pins as "block ADD.IN1").
class ExportedGraph {
public:
  explicit ExportedGraph(const std::string& xml)
      : mDoc(xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "export.xml", nullptr, 0), xmlFreeDoc) {
    EXPECT_NE(mDoc, nullptr);
    auto context = std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)>(xmlXPathNewContext(mDoc.get()),
                                                                                    xmlXPathFreeContext);
    xmlXPathRegisterNs(context.get(), BAD_CAST "p", BAD_CAST "http://www.plcopen.org/xml/tc6_0201");
    for (xmlNodePtr node : Select(context.get(), "//p:LD/*[@localId]")) mNames[Attr(node, "localId")] = Name(node);
    for (xmlNodePtr connection : Select(context.get(), "//p:LD//p:connection")) {
      std::string producer = mNames[Attr(connection, "refLocalId")];
      if (producer.rfind("block", 0) == 0) producer += "." + Attr(connection, "formalParameter");
      std::string consumer;
      for (xmlNodePtr up = connection->parent; up; up = up->parent) {
        if (consumer.empty() && xmlStrcmp(up->name, BAD_CAST "variable") == 0)
          consumer = "." + Attr(up, "formalParameter");
        if (!Attr(up, "localId").empty()) {
          consumer = mNames[Attr(up, "localId")] + consumer;
          break;
        }
      }
      const std::string edge = producer + " -> " + consumer;
      mEdges.insert(edge);
      std::string path;
      for (xmlNodePtr point = connection->children; point; point = point->next)
        if (point->type == XML_ELEMENT_NODE)
          path += (path.empty() ? "" : " ") + Attr(point, "x") + "," + Attr(point, "y");
      mPaths[edge] = path;
    }
    for (xmlNodePtr node : Select(context.get(), "//p:globalVars/p:variable"))
      mGlobals[Attr(node, "name")] = Attr(node, "address") + " " + ChildText(node, "documentation");
  }

  const std::multiset<std::string>& Edges() const { return mEdges; }
  const std::map<std::string, std::string>& Globals() const { return mGlobals; }
  // The positions of an edge's wire, "x,y x,y …" from consumer to producer.
  std::string Path(const std::string& edge) const { return mPaths.count(edge) ? mPaths.at(edge) : "none"; }
  // Edges into `consumer`.
  std::multiset<std::string> Into(const std::string& consumer) const {
    std::multiset<std::string> into;
    for (const auto& edge : mEdges)
      if (edge.size() > consumer.size() && edge.compare(edge.size() - consumer.size(), consumer.size(), consumer) == 0)
        into.insert(edge);
    return into;
  }

private:
  static std::vector<xmlNodePtr> Select(xmlXPathContextPtr context, const char* path) {
    std::vector<xmlNodePtr> nodes;
    xmlXPathObjectPtr result = xmlXPathEvalExpression(BAD_CAST path, context);
    if (result && result->nodesetval)
      for (int i = 0; i < result->nodesetval->nodeNr; ++i) nodes.push_back(result->nodesetval->nodeTab[i]);
    xmlXPathFreeObject(result);
    return nodes;
  }

  static std::string Name(xmlNodePtr node) {
    const std::string kind = reinterpret_cast<const char*>(node->name);
    if (kind == "contact" || kind == "coil") {
      std::string name = kind + " " + ChildText(node, "variable");
      if (Attr(node, "negated") == "true") name += " negated";
      return name;
    }
    if (kind == "block") return "block " + Attr(node, "typeName");
    if (kind == "inVariable" || kind == "outVariable") return kind + " " + ChildText(node, "expression");
    if (kind == "jump" || kind == "label") return kind + " " + Attr(node, "label");
    return kind;
  }

  std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> mDoc;
  std::map<std::string, std::string> mNames;
  std::multiset<std::string> mEdges;
  std::map<std::string, std::string> mGlobals;
  std::map<std::string, std::string> mPaths;
};

class PlcopenExportTest : public ProjectFixture {
protected:
  plcopen::PlcopenExport Export(const std::vector<long>& funcIDs = {kMain}) {
    const auto project = plcopen::LadderProjectReader(Db()).Read(funcIDs);
    return plcopen::PlcopenExporter(project).Export("2026-01-02T03:04:05");
  }
  long Net(long seqNum = 1) { return StripAt(Db(), kMain, seqNum); }
};

TEST_F(PlcopenExportTest, SealInRungConnectionsAreExactlyTheRungLogic) {
  const long net = Net();
  AddContact(Db(), net, 200, 0, 3, kInput, 1);  // start
  AddContact(Db(), net, 201, 6, 3, kInput, 2);  // stop, negated
  AddElement(Db(), net, 100, 12, 3, 28, 0);     // wire to the coil
  AddCoil(Db(), net, 204, 40, 3, kOutput, 1);   // motor
  AddContact(Db(), net, 200, 0, 7, kOutput, 1); // seal-in contact under the start contact
  AddElement(Db(), net, 101, 6, 3, 0, 4);       // its branch back up
  DescribeOperand(Db(), kInput, 1, "Start button");

  const auto result = Export();
  const ExportedGraph graph(result.Xml);
  const std::multiset<std::string> expected = {"leftPowerRail -> contact I1",      "leftPowerRail -> contact O1",
                                               "contact I1 -> contact I2 negated", "contact O1 -> contact I2 negated",
                                               "contact I2 negated -> coil O1",    "coil O1 -> rightPowerRail",
                                               "leftPowerRail -> return"}; // the subroutine's closing net
  EXPECT_EQ(graph.Edges(), expected);
  // Wires in pixels of the grid: the branch up the riser, the long run to the coil.
  EXPECT_EQ(graph.Path("contact O1 -> contact I2 negated"), "112,42 112,98");
  EXPECT_EQ(graph.Path("contact I2 negated -> coil O1"), "588,42 196,42");
  EXPECT_EQ(graph.Path("leftPowerRail -> contact I1"), "28,42");
  EXPECT_EQ(graph.Globals().at("I1"), "%IX1 Start button");
  EXPECT_EQ(graph.Globals().at("O1"), "%QX1 ");
  EXPECT_TRUE(result.Warnings.empty()) << result.Warnings.front();
}

TEST_F(PlcopenExportTest, BranchesRejoinAtEndsAndTeesButNotWhereWiresOnlyCross) {
  const long net = Net();
  AddContact(Db(), net, 200, 0, 3, kInput, 1);
  AddContact(Db(), net, 200, 0, 7, kInput, 2); // its outlet meets the middle of the riser: a tee
  AddContact(Db(), net, 200, 0, 11, kInput, 3);
  AddElement(Db(), net, 101, 6, 3, 0, 8);
  AddElement(Db(), net, 100, 6, 3, 14, 0);
  AddCoil(Db(), net, 204, 20, 3, kOutput, 1);
  AddElement(Db(), net, 100, 4, 5, 6, 0); // crosses the riser at (6,5) without an end on it
  AddContact(Db(), net, 200, 10, 5, kInput, 4);

  const auto result = Export();
  const ExportedGraph graph(result.Xml);
  EXPECT_EQ(graph.Into("coil O1"),
            (std::multiset<std::string>{"contact I1 -> coil O1", "contact I2 -> coil O1", "contact I3 -> coil O1"}));
  EXPECT_EQ(graph.Path("contact I2 -> coil O1"), "308,42 112,42 112,98"); // through the tee
  EXPECT_TRUE(graph.Into("contact I4").empty());
  EXPECT_THAT(result.Warnings, Contains(HasSubstr("(10,5) is connected on neither side")));
  EXPECT_THAT(result.Warnings, Contains(HasSubstr("unconnected wire at (4,5)")));
}

TEST_F(PlcopenExportTest, BoxesBecomeStandardFunctionsWithTheRungOnEnable) {
  const long net = Net();
  AddContact(Db(), net, 200, 0, 3, kInput, 1);
  const long add = AddElement(Db(), net, 405, 6, 3);
  AddOperand(Db(), add, 1, 0, kMemoryInt, 1);
  AddOperand(Db(), add, 2, 0, kConstInt, 7);
  AddOperand(Db(), add, 0, 1, kMemoryInt, 3);
  DescribeOperand(Db(), kConstInt, 7, "", 5);
  const long compare = AddElement(Db(), net, 300, 25, 3); // A > B, then the coil
  AddOperand(Db(), compare, 1, 0, kMemoryInt, 3);
  AddOperand(Db(), compare, 2, 0, kConstInt, 7);
  AddCoil(Db(), net, 204, 38, 3, kOutput, 2);

  const long range = AddElement(Db(), Net(2), 1701, 0, 3); // B <= A <= C straight from the rail
  AddOperand(Db(), range, 1, 0, kMemoryInt, 4);
  AddOperand(Db(), range, 2, 0, kMemoryInt, 5);
  AddOperand(Db(), range, 3, 0, kMemoryInt, 6);
  AddCoil(Db(), Net(2), 204, 13, 3, kOutput, 3);

  const ExportedGraph graph(Export().Xml);
  EXPECT_THAT(graph.Edges(), Contains("contact I1 -> block ADD.EN"));
  EXPECT_THAT(graph.Edges(), Contains("inVariable MI1 -> block ADD.IN1"));
  EXPECT_THAT(graph.Edges(), Contains("inVariable 5 -> block ADD.IN2"));
  EXPECT_THAT(graph.Edges(), Contains("block ADD.OUT -> outVariable MI3"));
  // The comparison passes power only when power arrives and A > B holds.
  EXPECT_THAT(graph.Edges(), Contains("block ADD.ENO -> block AND.IN1"));
  EXPECT_THAT(graph.Edges(), Contains("block GT.OUT -> block AND.IN2"));
  EXPECT_THAT(graph.Edges(), Contains("inVariable MI3 -> block GT.IN1"));
  EXPECT_THAT(graph.Into("coil O2"), (std::multiset<std::string>{"block AND.OUT -> coil O2"}));
  for (const char* edge :
       {"leftPowerRail -> block AND.IN1", "block GE.OUT -> block AND.IN2", "block LE.OUT -> block AND.IN3",
        "inVariable MI4 -> block GE.IN1", "inVariable MI5 -> block GE.IN2", "inVariable MI4 -> block LE.IN1",
        "inVariable MI6 -> block LE.IN2", "block AND.OUT -> coil O3"})
    EXPECT_THAT(graph.Edges(), Contains(edge));
}

TEST_F(PlcopenExportTest, EveryExportableTypeValidatesAgainstTheSchema) {
  const long net = Net(2);
  long row = 3;
  auto place = [&](long type, long operands) {
    const long id = AddElement(Db(), net, type, 0, row);
    for (long slot = 1; slot <= operands; ++slot) AddOperand(Db(), id, slot, 0, kMemoryInt, slot);
    AddOperand(Db(), id, 0, 1, kMemoryInt, 10);
    row += 4;
    return id;
  };
  for (long type : {200L, 201L, 202L, 203L, 208L, 209L, 210L, 211L}) AddContact(Db(), net, type, 0, (row += 2), 1, 5);
  for (long type : {204L, 205L, 206L, 207L, 212L, 213L}) AddCoil(Db(), net, type, 0, (row += 2), 1, 6);
  for (long type = 300; type <= 305; ++type) place(type, 2);
  for (long type = 400; type <= 407; ++type) place(type, 2);
  for (long type : {501L,  516L,  521L,  536L,  700L,  804L,  900L,  906L,  1005L, 1103L,
                    1200L, 1301L, 1400L, 1500L, 1501L, 1629L, 1701L, 1830L, 1906L, 100201L})
    place(type, 3);
  const long label = Net(1);
  MakeLabel(Db(), label, "Loop 1", "back <here> & \"there\"");
  MakeComment(Db(), Net(3), "first\nsecond \x01 bad \xff byte");
  const long jump = AddElement(Db(), net, 600, 0, (row += 2));
  AddOperand(Db(), jump, 0, 1, 29, label);
  const long call = AddElement(Db(), net, 601, 0, (row += 2));
  AddOperand(Db(), call, 0, 1, 31, ProjectDatabase::kStartFunctionID);
  const long page = AddElement(Db(), net, 603, 0, (row += 2));
  AddOperand(Db(), page, 0, 1, 30, 4);
  AddContact(Db(), net, 200, 0, (row += 2), 26, 5 * 16 + 3); // bit 3 of MI 5
  AddContact(Db(), net, 200, 0, (row += 2), 34, 2);          // a named constant
  DescribeOperand(Db(), 34, 2, "Limit", 40);
  AddElement(Db(), net, 2000, 0, (row += 2)); // no such type
  const long lost = AddElement(Db(), net, 600, 0, (row += 2));
  AddOperand(Db(), lost, 0, 1, 29, 32000); // its label was deleted
  const long disabled = Net(4);
  AddContact(Db(), disabled, 200, 0, 3, kInput, 9);
  Db().Execute("UPDATE LdrStrips SET IsCompilable=2 WHERE StripID=?", {disabled});

  const auto result = Export({});
  const std::string path = mDir.File("all.xml");
  std::ofstream(path) << result.Xml;
  const std::string command =
      "xmllint --noout --schema " + SchemaPath() + " " + path + " 2>" + mDir.File("xmllint.txt");
  EXPECT_EQ(std::system(command.c_str()), 0) << std::ifstream(mDir.File("xmllint.txt")).rdbuf();
  const ExportedGraph graph(result.Xml);
  EXPECT_EQ(graph.Globals().at("MI5_3"), "%MX3.5.3 ");
  EXPECT_THAT(graph.Edges(), Contains("leftPowerRail -> jump Loop_1"));
  EXPECT_THAT(graph.Edges(), Contains("leftPowerRail -> block Module_1_Start.EN"));
  EXPECT_THAT(result.Warnings, Contains(HasSubstr("element 2000 at (0,")));
  EXPECT_THAT(graph.Edges(), Contains("leftPowerRail -> jump MISSING"));
  EXPECT_THAT(result.Warnings, Contains(HasSubstr("names no existing label")));
  EXPECT_THAT(result.Warnings, Contains("Module 1.Main net 4: disabled net left out"));
  EXPECT_EQ(graph.Globals().count("I9"), 0u); // nothing of the disabled net is declared
  EXPECT_THAT(result.Warnings, Contains(AllOf(HasSubstr("exported as vendor blocks: "), HasSubstr("LDR_DivNx1 (1)"),
                                              HasSubstr("LDR_FB_100201 (1)"))));
}

} // namespace

} // namespace ldr::test
