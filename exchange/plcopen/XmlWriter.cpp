#include "exchange/plcopen/XmlWriter.h"

#include <libxml/xmlwriter.h>

#include <stdexcept>

namespace ldr::plcopen {

namespace {

const xmlChar* X(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

// The length of the UTF-8 sequence starting at `text[i]`, 0 when it is not one.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  else
    return 0;
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  return length;
}

} // namespace

XmlWriter::XmlWriter() {
  mBuffer = xmlBufferCreate();
  if (!mBuffer) throw std::runtime_error("xml: out of memory");
  mWriter = xmlNewTextWriterMemory(mBuffer, 0);
  if (!mWriter) {
    xmlBufferFree(mBuffer);
    throw std::runtime_error("xml: cannot create a writer");
  }
  xmlTextWriterSetIndent(mWriter, 1);
  xmlTextWriterSetIndentString(mWriter, X("  "));
  Check(xmlTextWriterStartDocument(mWriter, "1.0", "UTF-8", nullptr), "start the document");
}

XmlWriter::~XmlWriter() {
  if (mWriter) xmlFreeTextWriter(mWriter);
  if (mBuffer) xmlBufferFree(mBuffer);
}

void XmlWriter::Check(int result, const char* what) const {
  if (result < 0) throw std::runtime_error(std::string("xml: cannot ") + what);
}

void XmlWriter::Start(const char* name) { Check(xmlTextWriterStartElement(mWriter, X(name)), "start an element"); }

void XmlWriter::Attribute(const char* name, std::string_view value) {
  const std::string safe = SafeText(value);
  Check(xmlTextWriterWriteAttribute(mWriter, X(name), X(safe.c_str())), "write an attribute");
}

void XmlWriter::Text(std::string_view text) {
  const std::string safe = SafeText(text);
  Check(xmlTextWriterWriteString(mWriter, X(safe.c_str())), "write text");
}

void XmlWriter::End() { Check(xmlTextWriterEndElement(mWriter), "end an element"); }

void XmlWriter::Element(const char* name, std::string_view text) {
  Start(name);
  Text(text);
  End();
}

std::string XmlWriter::Finish() {
  Check(xmlTextWriterEndDocument(mWriter), "end the document");
  xmlFreeTextWriter(mWriter); // flushes into the buffer
  mWriter = nullptr;
  return std::string(reinterpret_cast<const char*>(xmlBufferContent(mBuffer)),
                     static_cast<std::size_t>(xmlBufferLength(mBuffer)));
}

std::string XmlWriter::SafeText(std::string_view text) {
  std::string safe;
  safe.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8Length(text, i);
    if (length == 0) {
      safe += '?';
      ++i;
      continue;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    if (length > 1 || c >= 0x20 || c == '\t' || c == '\n' || c == '\r') safe.append(text.substr(i, length));
    i += length;
  }
  return safe;
}

} // namespace ldr::plcopen
