#include "sheets/xml_stream.h"

#include <climits>
#include <cstring>
#include <expat.h>
#include <type_traits>

namespace {

// Past this many bytes of expansion per byte of input expat stops on its own as well.
constexpr float MaxAmplification = 20.0f;

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using ParserHandle = std::unique_ptr<std::remove_pointer_t<XML_Parser>, ParserFree>;

} // namespace

struct XmlParserState {
    ParserHandle Expat; // null when none could be made
    XmlEvents* Events = nullptr;
    bool Declarations = false; // a document type declaration was met
    bool Stopped = false;      // stopped on purpose
    bool Broken = false;

    void Stop() {
        Stopped = true;
        XML_StopParser(Expat.get(), XML_FALSE);
    }
};

namespace {

XmlParserState& Of(void* data) {
    return *static_cast<XmlParserState*>(data);
}

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    XmlParserState& p = Of(data);
    if (p.Stopped) {
        return;
    }
    p.Events->Start(name, attributes);
    if (p.Events->Done()) {
        p.Stop();
    }
}

void OnEnd(void* data, const XML_Char* name) {
    XmlParserState& p = Of(data);
    if (p.Stopped) {
        return;
    }
    p.Events->End(name);
    if (p.Events->Done()) {
        p.Stop();
    }
}

void OnText(void* data, const XML_Char* text, int length) {
    XmlParserState& p = Of(data);
    if (!p.Stopped) {
        p.Events->Text(text, static_cast<std::size_t>(length));
    }
}

void OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    XmlParserState& p = Of(data);
    p.Declarations = true;
    p.Stop();
}

void OnEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
              const XML_Char*, const XML_Char*, const XML_Char*) {
    XmlParserState& p = Of(data);
    p.Declarations = true;
    p.Stop();
}

} // namespace

std::string_view LocalName(const char* name) {
    const char* cut = std::strrchr(name, XmlNameSeparator);
    return cut != nullptr ? std::string_view(cut + 1) : std::string_view(name);
}

bool IsNamed(const char* name, const char* space, const char* local) {
    const char* cut = std::strrchr(name, XmlNameSeparator);
    if (space == nullptr) {
        return LocalName(name) == local;
    }
    if (cut == nullptr) {
        return false;
    }
    const std::string_view uri(name, static_cast<std::size_t>(cut - name));
    return uri == space && std::string_view(cut + 1) == local;
}

const char* AttributeValue(const char** attributes, const char* space, const char* local) {
    for (const char** a = attributes; a[0] != nullptr && a[1] != nullptr; a += 2) {
        if (IsNamed(a[0], space, local)) {
            return a[1];
        }
    }
    return nullptr;
}

XmlStream::XmlStream(XmlEvents& events) : P(std::make_unique<XmlParserState>()) {
    P->Events = &events;
    P->Expat.reset(XML_ParserCreateNS(nullptr, XmlNameSeparator));
    XML_Parser expat = P->Expat.get();
    if (expat == nullptr) {
        return; // Finish tells it
    }
    XML_SetUserData(expat, P.get());
    XML_SetElementHandler(expat, OnStart, OnEnd);
    XML_SetCharacterDataHandler(expat, OnText);
    XML_SetStartDoctypeDeclHandler(expat, OnDoctype);
    XML_SetEntityDeclHandler(expat, OnEntity);
#ifdef TALON_EXPAT_AMPLIFICATION_LIMIT
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(expat, MaxAmplification);
#else
    (void)MaxAmplification;
#endif
}

XmlStream::~XmlStream() = default;

bool XmlStream::Feed(const char* data, std::size_t size) {
    if (!P->Expat || P->Stopped || P->Broken) {
        return false;
    }
    while (size > 0) {
        const int piece = size > INT_MAX ? INT_MAX : static_cast<int>(size);
        if (XML_Parse(P->Expat.get(), data, piece, XML_FALSE) != XML_STATUS_OK) {
            P->Broken = !P->Stopped;
            return false;
        }
        data += piece;
        size -= static_cast<std::size_t>(piece);
    }
    return true;
}

XmlFault XmlStream::Finish() {
    if (!P->Expat) {
        return XmlFault::NoParser;
    }
    if (P->Declarations) {
        return XmlFault::Declarations;
    }
    if (P->Stopped) {
        return XmlFault::None;
    }
    if (!P->Broken && XML_Parse(P->Expat.get(), nullptr, 0, XML_TRUE) == XML_STATUS_OK) {
        return XmlFault::None;
    }
    return P->Declarations ? XmlFault::Declarations
                           : (P->Stopped ? XmlFault::None : XmlFault::Broken);
}
