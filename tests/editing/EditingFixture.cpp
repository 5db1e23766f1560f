#include "EditingFixture.h"

#include <stdexcept>

namespace ldr::test {

void EditingFixture::SetUp() {
  ProjectFixture::SetUp();
  mLog = std::make_shared<clsMemoryLog>();
  mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host-settings.ini"));
  mCtx.Connection = mDb;
  mCtx.Host = mHost.Services;
  mCtx.State = std::make_shared<clsLdrState>(mCtx);
}

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

const std::vector<tyErrorReport>& EditingFixture::Errors() const {
  return static_cast<clsLogErrorReporter&>(*mHost.Services->Errors).Reports();
}

} // namespace ldr::test
