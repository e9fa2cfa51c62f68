// Writes the program's AppStream metainfo from its version record: the version
// from the record's fixed part, the names and texts from its string block.
//   make_metainfo <output file> <release date YYYY-MM-DD>
#include <iconv.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/version.h"

namespace {

// The record's narrow (GB18030) text as UTF-8, escaped for XML.
std::string XmlText(const char* narrow) {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
    std::string in(narrow), utf8(in.size() * 4, '\0');
    char* inPtr = in.data();
    char* outPtr = utf8.data();
    size_t inLeft = in.size(), outLeft = utf8.size();
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) throw std::runtime_error(std::string("not GB18030: ") + narrow);
    utf8.resize(utf8.size() - outLeft);

    std::string xml;
    for (char c : utf8) {
        switch (c) {
            case '&': xml += "&amp;"; break;
            case '<': xml += "&lt;"; break;
            case '>': xml += "&gt;"; break;
            default: xml += c;
        }
    }
    return xml;
}

std::string Text(const platform::VersionRecord& record, const char* key) {
    const char* value = platform::FindVersionString(record, key);
    if (value == nullptr) throw std::runtime_error(std::string("version record lacks ") + key);
    return XmlText(value);
}

}  // namespace

int main(int argc, char** argv) try {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output> <release date>\n", argv[0]);
        return 2;
    }
    const platform::VersionRecord* record = platform::ProgramVersion();
    if (record == nullptr) throw std::runtime_error("no version record registered");
    const WORD* v = record->productVersion;
    const std::string version = std::to_string(v[0]) + "." + std::to_string(v[1]) + "." +
                                std::to_string(v[2]) + "." + std::to_string(v[3]);
    const std::string binary = Text(*record, "InternalName");

    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<component type=\"desktop-application\">\n"
        "  <id>org.zembrik.ZembrikMD5</id>\n"
        "  <metadata_license>CC0-1.0</metadata_license>\n"
        "  <project_license>MIT</project_license>\n"
        "  <name>" + Text(*record, "ProductName") + "</name>\n"
        "  <name xml:lang=\"zh_CN\">" + Text(*record, "FileDescription") + "</name>\n"
        "  <summary>" + Text(*record, "Comments") + "</summary>\n"
        "  <developer_name>" + Text(*record, "CompanyName") + "</developer_name>\n"
        "  <description>\n"
        "    <p>" + Text(*record, "FileDescription") + "：" + Text(*record, "Comments") + "。</p>\n"
        "    <p>" + Text(*record, "LegalTrademarks") + "。</p>\n"
        "  </description>\n"
        "  <launchable type=\"desktop-id\">org.zembrik.ZembrikMD5.desktop</launchable>\n"
        "  <icon type=\"stock\">org.zembrik.ZembrikMD5</icon>\n"
        "  <categories>\n"
        "    <category>Utility</category>\n"
        "  </categories>\n"
        "  <provides>\n"
        "    <binary>" + binary + "</binary>\n"
        "  </provides>\n"
        "  <content_rating type=\"oars-1.1\"/>\n"
        "  <releases>\n"
        "    <release version=\"" + version + "\" date=\"" + argv[2] + "\"/>\n"
        "  </releases>\n"
        "</component>\n";

    FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(xml.data(), 1, xml.size(), out) != xml.size() ||
        std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
}
