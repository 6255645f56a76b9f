#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

// Streaming XML reading with expat, for the parts of a workbook. Names come as the
// namespace URI, XmlNameSeparator and the local name ("urn:...:table:1.0 table-row"); a
// name without namespace is the local name alone. A document type declaration is refused
// outright, so no entity can be declared and none can expand.

constexpr char XmlNameSeparator = ' ';

// Why a part was not read.
enum class XmlFault {
    None,
    Broken,       // not well-formed
    Declarations, // it declares a document type or entities
    NoParser,     // no parser could be made (memory ran out)
};

// What a reader of one part does with its elements.
class XmlEvents {
public:
    virtual ~XmlEvents() = default;
    // `attributes` holds name, value, name, value, ... and a null pointer at the end.
    virtual void Start(const char* name, const char** attributes) = 0;
    virtual void End(const char* name) = 0;
    virtual void Text(const char* data, std::size_t size) = 0;
    // True once the reader has all it wants from the part.
    virtual bool Done() const = 0;
};

// The local name of an element or attribute.
std::string_view LocalName(const char* name);
// True when the name is `local` in the namespace `space` (any namespace when null).
bool IsNamed(const char* name, const char* space, const char* local);
// The value of the attribute so named; null when there is none.
const char* AttributeValue(const char** attributes, const char* space, const char* local);

struct XmlParserState;

// Feeds one part, block by block, to its events.
class XmlStream {
public:
    explicit XmlStream(XmlEvents& events);
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // False once the part is refused or the events are done: no more blocks are wanted.
    bool Feed(const char* data, std::size_t size);
    // Ends the part: XmlFault::None when it was read whole or the events got what they
    // wanted, else why not.
    XmlFault Finish();

private:
    std::unique_ptr<XmlParserState> P;
};
