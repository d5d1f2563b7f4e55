#include "components/cores/common/CoreError.h"
#include "components/cores/netcomp_api.h"
#include "components/cores/rest/XmlCheck.h"

#include <windows.h>

#include <shlwapi.h>
#include <string>
#include <xmllite.h>

namespace netcomp::rest {

namespace {

using CreateXmlReaderFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// XmlLite comes with Windows; there is no import library for it in the cross toolchain.
CreateXmlReaderFn createXmlReader()
{
    static const auto create = reinterpret_cast<CreateXmlReaderFn>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"xmllite.dll"), "CreateXmlReader")));
    return create;
}

template <class T> struct Released {
    T* object = nullptr;
    ~Released()
    {
        if (object) {
            object->Release();
        }
    }
};

// The phrases expat uses, so a malformed body reads alike on every platform.
const char* describe(HRESULT status)
{
    switch (static_cast<unsigned long>(status)) {
    case WC_E_ELEMENTMATCH:
        return "mismatched tag";
    case MX_E_INPUTEND:
        return "unclosed token";
    default:
        return "syntax error";
    }
}

} // namespace

void checkXml(std::string_view body)
{
    const CreateXmlReaderFn create = createXmlReader();
    Released<IStream> stream{SHCreateMemStream(reinterpret_cast<const BYTE*>(body.data()),
                                               static_cast<UINT>(body.size()))};
    Released<IXmlReader> reader;
    if (!create || !stream.object ||
        FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.object), nullptr)) ||
        FAILED(
            reader.object->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader.object->SetInput(stream.object))) {
        throw core::CoreError(NETCOMP_ERR_TRANSPORT, "The XML reader could not be started.");
    }
    XmlNodeType type;
    HRESULT status;
    while ((status = reader.object->Read(&type)) == S_OK) {
    }
    if (FAILED(status)) {
        UINT line = 0;
        reader.object->GetLineNumber(&line);
        throw core::failure(NETCOMP_ERR_XML_MARKUP,
                            std::string(describe(status)) + ", line " + std::to_string(line));
    }
}

} // namespace netcomp::rest
