#pragma once
// A small streaming XML writer over libxml2's xmlTextWriter, writing into
// memory. Text and attribute values are made safe first: bytes that are not
// UTF-8 become '?', and control characters XML 1.0 forbids are dropped.

#include <string>
#include <string_view>

typedef struct _xmlTextWriter* xmlTextWriterPtr;
typedef struct _xmlBuffer* xmlBufferPtr;

namespace ldr::plcopen {

class XmlWriter {
public:
  XmlWriter();
  ~XmlWriter();
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  void Start(const char* name);
  void Attribute(const char* name, std::string_view value);
  void Attribute(const char* name, long value) { Attribute(name, std::to_string(value)); }
  void Text(std::string_view text);
  void End();
  // <name>text</name>
  void Element(const char* name, std::string_view text);
  // Ends every open element and the document; the whole text.
  std::string Finish();

  static std::string SafeText(std::string_view text);

private:
  void Check(int result, const char* what) const;

  xmlBufferPtr mBuffer = nullptr;
  xmlTextWriterPtr mWriter = nullptr;
};

} // namespace ldr::plcopen
