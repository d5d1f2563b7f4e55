#include "components/cores/http/TransferUrl.h"

#include "components/cores/common/CoreError.h"
#include "components/cores/netcomp_api.h"

namespace netcomp::http {

namespace {

constexpr std::string_view kScheme = "https://";

bool startsWithHttpsScheme(std::string_view url)
{
    if (url.size() < kScheme.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kScheme.size(); ++i) {
        char c = url[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
        if (c != kScheme[i]) {
            return false;
        }
    }
    return true;
}

// Host and port of "[user@]host[:port]".
void splitAuthority(std::string_view authority, TransferUrl& parts)
{
    if (const auto at = authority.rfind('@'); at != authority.npos) {
        authority.remove_prefix(at + 1);
    }
    // An IPv6 address keeps its brackets; its port comes after the "]".
    std::size_t colon = authority.find(':');
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        colon =
            close != authority.npos && close + 1 < authority.size() && authority[close + 1] == ':'
                ? close + 1
                : authority.npos;
    }
    const std::string_view host = authority.substr(0, colon);
    const std::string_view port =
        colon == authority.npos ? std::string_view() : authority.substr(colon + 1);
    parts.host.assign(host);
    if (port.empty()) {
        return;
    }
    int value = 0;
    for (char c : port) {
        if (c < '0' || c > '9' || (value = value * 10 + (c - '0')) > 65535) {
            parts.port = 0;
            return;
        }
    }
    parts.port = value;
}

[[noreturn]] void refuse(const std::string& why)
{
    throw core::failureBecause(NETCOMP_ERR_INVALID_URL, why);
}

} // namespace

TransferUrl parseTransferUrl(std::string_view url)
{
    for (std::size_t i = 0; i < url.size(); ++i) {
        const auto c = static_cast<unsigned char>(url[i]);
        if (c < 0x20 || c == 0x7F) {
            refuse("control character at position " + std::to_string(i + 1));
        }
        if (c == ' ') {
            refuse("space at position " + std::to_string(i + 1));
        }
    }
    if (!startsWithHttpsScheme(url)) {
        refuse("only https:// addresses are supported");
    }

    const std::size_t authorityEnd = url.find_first_of("/?#", kScheme.size());
    if (authorityEnd == kScheme.size()) {
        refuse("no host name");
    }
    TransferUrl parts;
    parts.origin.assign(url.substr(0, authorityEnd));
    if (authorityEnd != std::string_view::npos) {
        std::string_view rest = url.substr(authorityEnd);
        rest = rest.substr(0, rest.find('#'));
        parts.target.assign(rest);
    }
    if (parts.target.empty() || parts.target.front() != '/') {
        parts.target.insert(0, "/");
    }
    splitAuthority(std::string_view(parts.origin).substr(kScheme.size()), parts);
    return parts;
}

} // namespace netcomp::http
