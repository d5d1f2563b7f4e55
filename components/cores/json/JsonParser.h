#pragma once

#include "components/cores/json/GrowableArray.h"
#include "components/cores/json/JsonDocument.h"
#include "components/cores/json/JsonSyntaxScanner.h"
#include "components/cores/json/ParseSettings.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace netcomp::json {

// Takes in JSON input piece by piece and builds the tree of its single top-level value.
// Parsing is iterative (an explicit stack of open containers), so the nesting depth is
// bounded by kMaxDepth and not by the call stack.
//
//     JsonParser parser;
//     parser.append(bytes);
//     if (parser.parse(settings))
//         use(*parser.document());
class JsonParser {
public:
    static constexpr std::size_t kMaxDepth = 512;

    JsonParser();
    JsonParser(const JsonParser&) = delete;
    JsonParser& operator=(const JsonParser&) = delete;

    // Takes in more input: bytes in the code page of the settings.
    void append(std::string_view bytes);
    // The same, but adopts the buffer without a copy when no input was taken in yet.
    void appendOwned(std::string&& bytes);
    // Parses everything taken in since construction or reset, going on where the last
    // call stopped. True when one complete top-level value stands; false while the input
    // is empty, white space or an incomplete value. Throws CoreError 10232 for malformed
    // input or anything but white space after a complete value (a tree built by an
    // earlier call stays), 10235 for nesting deeper than kMaxDepth, 10236 for input or
    // values beyond the settings' bounds.
    bool parse(const ParseSettings& settings);
    // Drops the tree and all input.
    void reset();
    // Drops the tree but keeps the input and the knowledge that a value is complete.
    void discardDocument();

    const JsonDocument* document() const { return m_hasDocument ? &m_document : nullptr; }
    bool complete() const { return m_complete; }
    std::string_view input() const { return m_input; }
    // Offsets of the complete top-level value in input().
    std::size_t valueBegin() const { return m_valueBegin; }
    std::size_t valueEnd() const { return m_valueEnd; }

private:
    struct Frame {
        JsonDocument::NodeId node;
        uint32_t pendingBase;
        bool object;
    };

    const char* buildTree(const char* p, const ParseSettings& settings);
    void allocateFor(const char* p, const ParseSettings& settings);
    const char* scanString(const char* open, bool& escaped) const;
    void storeString(const char* open, const char* close, bool escaped,
                     const ParseSettings& settings, uint32_t& offset, uint32_t& info);
    const char* parseKey(const char* p, const ParseSettings& settings, uint32_t& offset,
                         uint32_t& info);
    void closeContainer(const Frame& frame, const char* closer);
    const char* skipWhitespace(const char* p) const;
    void checkTail();
    void startScanning(const ParseSettings& settings);
    [[noreturn]] void fail(const char* p) const;

    std::string m_input;
    const char* m_end = nullptr;
    JsonDocument m_document;
    bool m_hasDocument = false;
    bool m_complete = false;
    std::size_t m_valueBegin = 0;
    std::size_t m_valueEnd = 0;
    std::size_t m_checked = 0;
    // After a parse found the value incomplete, new input is scanned only, and the tree
    // is built once the scan sees the value end.
    JsonSyntaxScanner m_scanner;
    bool m_scanning = false;
    std::size_t m_scanned = 0;
    // Both live in the document's storage while its tree is built.
    GrowableArray<Frame> m_frames;
    GrowableArray<JsonDocument::NodeId> m_pending;
};

} // namespace netcomp::json
