#include "EditingFixture.h"

#include "strips/clsLdrNet.h"

#include <stdexcept>

namespace ldr::test {

void EditingFixture::SetUp() {
  ProjectFixture::SetUp();
  mLog = std::make_shared<MemoryLog>();
  mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host-settings.ini"));
  mCtx.Connection = mDb;
  mCtx.SetHost(mHost.Services);
  mCtx.State = std::make_unique<clsLdrState>(mCtx);
  mDrawer = std::make_shared<::testing::NiceMock<MockDrawer>>();
  mCtx.Drawer = mDrawer.get();
  mView = std::make_unique<DrawerView>(*mDrawer);
  mCtx.State->SetView(mView.get());
}

long EditingFixture::NetID(int n) {
  return Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 AND IsReturnStrip=0 "
                "ORDER BY SeqNum LIMIT 1 OFFSET " +
                std::to_string(n - 1));
}

std::shared_ptr<itfStrip> EditingFixture::LoadNet(long stripID, std::int32_t top) {
  auto rs = Db().Query("SELECT * FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  auto net = std::make_shared<clsLdrNet>(mCtx);
  net->Load(rs);
  net->SetTop(top);
  return net;
}

itfLdrNet& EditingFixture::Net(const std::shared_ptr<itfStrip>& strip) {
  auto* net = dynamic_cast<itfLdrNet*>(strip.get());
  if (!net) throw std::logic_error("not a net");
  return *net;
}

void EditingFixture::PointAt(const std::shared_ptr<itfStrip>& strip, std::int32_t x, std::int32_t y, int button) {
  const std::int32_t gridX = strip->EditZoneLeft() + x;
  const std::int32_t gridY = strip->Top() + y;
  HitRecord hit = HitRecord::FromPixel(gridX * 14.0, gridY * 14.0, button);
  strip->HitTestByPoint(hit);
}

std::shared_ptr<itfLdrElement> EditingFixture::Store(const std::shared_ptr<itfStrip>& strip, std::int32_t type,
                                                     std::int32_t x, std::int32_t y) {
  auto element = Make(type, x, y);
  element->InitOperandsData(true);
  Net(strip).AddLadderElement(element, 0);
  return element;
}

std::shared_ptr<itfLdrElement> EditingFixture::StoreLine(const std::shared_ptr<itfStrip>& strip, std::int32_t x,
                                                         std::int32_t y, std::int32_t dx, std::int32_t dy) {
  auto line = MakeLine(x, y, dx, dy);
  line->SaveLastLegalPosition();
  line->UpdateInitialDescriptor();
  Net(strip).AddLadderElement(line, 0);
  return line;
}

long EditingFixture::Count(const std::string& where) { return Scalar("SELECT COUNT(*) FROM " + where); }

void EditingFixture::AnswerOperand(long type, long address) { mHost.Answers->QueueOperand({type, address, 0, 0.0}); }

void EditingFixture::CancelOperand() { mHost.Answers->QueueOperandCancel(); }

std::shared_ptr<itfLdrElement> EditingFixture::Make(std::int32_t type, std::int32_t x, std::int32_t y) {
  auto element = CreateNewElement(mCtx, type);
  if (!element) throw std::runtime_error("the factory has no class for type " + std::to_string(type));
  element->SetClassType(static_cast<enElementType>(type));
  element->SetXs(x);
  element->SetYs(y);
  return element;
}

std::shared_ptr<itfLdrElement> EditingFixture::MakeLine(std::int32_t x, std::int32_t y, std::int32_t dx,
                                                        std::int32_t dy) {
  auto line = CreateNewElement(mCtx, eET_LdrLine);
  line->SetXs(x);
  line->SetYs(y);
  line->Stretch(dx, dy);
  return line;
}

ElementCollection EditingFixture::Collect(const std::vector<std::shared_ptr<itfLdrElement>>& elements) {
  ElementCollection collection;
  for (const auto& element : elements) collection.Add(static_cast<long>(collection.Count() + 1), element);
  return collection;
}

const std::vector<ErrorReport>& EditingFixture::Errors() const {
  return static_cast<LogErrorReporter&>(*mHost.Services->Errors).Reports();
}

} // namespace ldr::test
