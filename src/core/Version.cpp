#include "Version.h"

#include <QFile>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The program file carries its own version information: a standard version-information block
// (VS_VERSIONINFO layout: nodes of length, value length, type, UTF-16 key, 32-bit aligned value
// and children) built at compile time and kept in the program's data by the linker. MyVersion
// finds the block in a file's bytes and reads it as the system's version query would.
namespace {

constexpr std::size_t BlockCapacity = 1024;

// The version numbers come from the project's version in the build.
#define SUDOGRAF_UTF16_(text) u##text
#define SUDOGRAF_UTF16(text) SUDOGRAF_UTF16_(text)
constexpr char16_t FileVersionText[] = SUDOGRAF_UTF16(SUDOGRAF_FILE_VERSION);
constexpr char16_t ProductVersionText[] = SUDOGRAF_UTF16(SUDOGRAF_PRODUCT_VERSION);
constexpr char16_t ProductNameText[] = u"Ссудограф";
// Language 0419 (Russian), code page 04E3 (1251).
constexpr std::uint16_t Language = 0x0419;
constexpr std::uint16_t CodePage = 0x04E3;
constexpr std::uint32_t FixedSignature = 0xFEEF04BD;
constexpr std::uint32_t VersionMS = (SUDOGRAF_VERSION_MAJOR << 16) | SUDOGRAF_VERSION_MINOR;
constexpr std::uint32_t VersionLS = (SUDOGRAF_VERSION_PATCH << 16) | SUDOGRAF_VERSION_TWEAK;

class BlockWriter {
public:
    std::array<std::uint8_t, BlockCapacity> bytes{};
    std::size_t pos = 0;

    constexpr void u16(std::uint16_t v) {
        bytes[pos++] = static_cast<std::uint8_t>(v & 0xFF);
        bytes[pos++] = static_cast<std::uint8_t>(v >> 8);
    }
    constexpr void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v & 0xFFFF));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    constexpr void text(std::u16string_view s) {
        for (char16_t c : s)
            u16(static_cast<std::uint16_t>(c));
        u16(0);
    }
    constexpr void align() {
        while (pos % 4 != 0)
            bytes[pos++] = 0;
    }
    // Starts a node; returns its offset for end().
    constexpr std::size_t begin(std::u16string_view key, std::uint16_t valueLength,
                                std::uint16_t type) {
        const std::size_t start = pos;
        u16(0); // length, patched by end()
        u16(valueLength);
        u16(type);
        text(key);
        align();
        return start;
    }
    constexpr void end(std::size_t start) {
        const std::size_t length = pos - start;
        bytes[start] = static_cast<std::uint8_t>(length & 0xFF);
        bytes[start + 1] = static_cast<std::uint8_t>(length >> 8);
        align();
    }
    constexpr void stringEntry(std::u16string_view key, std::u16string_view value) {
        const auto start = begin(key, static_cast<std::uint16_t>(value.size() + 1), 1);
        text(value);
        end(start);
    }
};

constexpr std::array<std::uint8_t, BlockCapacity> buildBlock() {
    BlockWriter w;
    const auto root = w.begin(u"VS_VERSION_INFO", 52, 0);
    w.u32(FixedSignature);
    w.u32(0x00010000); // structure version
    w.u32(VersionMS);  // file version
    w.u32(VersionLS);
    w.u32(VersionMS); // product version
    w.u32(VersionLS);
    w.u32(0x3F); // flags mask
    w.u32(0);    // flags
    w.u32(0x4);  // operating system: 32-bit windows
    w.u32(0x1);  // file type: application
    w.u32(0);    // subtype
    w.u32(0);    // date
    w.u32(0);
    w.align();
    const auto stringInfo = w.begin(u"StringFileInfo", 0, 1);
    const auto table = w.begin(u"041904E3", 0, 1);
    w.stringEntry(u"FileVersion", FileVersionText);
    w.stringEntry(u"ProductVersion", ProductVersionText);
    w.stringEntry(u"ProductName", ProductNameText);
    w.end(table);
    w.end(stringInfo);
    const auto varInfo = w.begin(u"VarFileInfo", 0, 1);
    const auto translation = w.begin(u"Translation", 4, 0);
    w.u16(Language);
    w.u16(CodePage);
    w.end(translation);
    w.end(varInfo);
    w.end(root);
    return w.bytes;
}

// Kept in the program file even though no code reads it from memory.
[[gnu::used]] const std::array<std::uint8_t, BlockCapacity> VersionBlock = buildBlock();

// ---- Reading a block from a file's bytes ----

struct Node {
    std::size_t end = 0; // one past the node's last byte
    QString key;
    std::size_t valueStart = 0;
    std::size_t valueBytes = 0;
    std::size_t childrenStart = 0;
};

std::uint16_t readU16(const QByteArray& data, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[at]) |
                                      (static_cast<std::uint8_t>(data[at + 1]) << 8));
}

std::size_t align4(std::size_t v) {
    return (v + 3) & ~std::size_t{3};
}

std::optional<Node> readNode(const QByteArray& data, std::size_t at, std::size_t limit) {
    if (at + 6 > limit)
        return std::nullopt;
    const std::size_t length = readU16(data, at);
    const std::size_t valueLength = readU16(data, at + 2);
    const std::uint16_t type = readU16(data, at + 4);
    if (length < 6 || at + length > limit || type > 1)
        return std::nullopt;
    Node node;
    node.end = at + length;
    std::size_t p = at + 6;
    for (;;) {
        if (p + 2 > node.end)
            return std::nullopt;
        const std::uint16_t c = readU16(data, p);
        p += 2;
        if (c == 0)
            break;
        node.key += QChar(c);
    }
    node.valueStart = align4(p);
    node.valueBytes = type == 1 ? valueLength * 2 : valueLength;
    if (node.valueStart + node.valueBytes > node.end)
        return std::nullopt;
    node.childrenStart = align4(node.valueStart + node.valueBytes);
    return node;
}

// The value of the node reached from root along path ("\A\B"); nothing when it is missing.
std::optional<Node> query(const QByteArray& data, const Node& root, const QString& path) {
    Node node = root;
    const QStringList parts = path.split(u'\\', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        std::optional<Node> found;
        for (std::size_t at = node.childrenStart; at < node.end;) {
            const std::optional<Node> child = readNode(data, at, node.end);
            if (!child)
                return std::nullopt;
            if (child->key.compare(part, Qt::CaseInsensitive) == 0) {
                found = child;
                break;
            }
            at = align4(child->end);
        }
        if (!found)
            return std::nullopt;
        node = *found;
    }
    return node;
}

QString hex4(std::uint16_t v) {
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')).toUpper();
}

// FileVersion of the block whose key starts at keyAt, if it is a sound block.
std::optional<QString> fileVersionAt(const QByteArray& data, std::size_t keyAt) {
    if (keyAt < 6)
        return std::nullopt;
    const std::optional<Node> root =
        readNode(data, keyAt - 6, static_cast<std::size_t>(data.size()));
    if (!root || root->key != QLatin1String("VS_VERSION_INFO") || root->valueBytes != 52)
        return std::nullopt;
    const std::uint32_t signature = readU16(data, root->valueStart) |
                                    (std::uint32_t{readU16(data, root->valueStart + 2)} << 16);
    if (signature != FixedSignature)
        return std::nullopt;
    const std::optional<Node> translation =
        query(data, *root, QStringLiteral("\\VarFileInfo\\Translation"));
    if (!translation || translation->valueBytes < 4)
        return std::nullopt;
    const std::uint16_t language = readU16(data, translation->valueStart);
    const std::uint16_t codePage = readU16(data, translation->valueStart + 2);
    const QString path = QStringLiteral("\\StringFileInfo\\") + hex4(language) + hex4(codePage) +
                         QStringLiteral("\\FileVersion");
    const std::optional<Node> entry = query(data, *root, path);
    if (!entry)
        return QString();
    QString text;
    for (std::size_t p = entry->valueStart; p + 2 <= entry->valueStart + entry->valueBytes;
         p += 2) {
        const std::uint16_t c = readU16(data, p);
        if (c == 0)
            break;
        text += QChar(c);
    }
    return text;
}

} // namespace

QString MyVersion(const QString& fileName) {
    try {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray data = file.readAll();
        // The key of the root node, "VS_VERSION_INFO" in UTF-16.
        QByteArray needle;
        for (char c : std::string_view("VS_VERSION_INFO")) {
            needle.append(c);
            needle.append('\0');
        }
        for (qsizetype at = data.indexOf(needle); at >= 0; at = data.indexOf(needle, at + 1)) {
            if (const std::optional<QString> version =
                    fileVersionAt(data, static_cast<std::size_t>(at)))
                return *version;
        }
        return {};
    } catch (...) {
        return {};
    }
}

QString CutVersion(const QString& fileVersion) {
    QString collected;
    int dots = 0;
    for (QChar c : fileVersion) {
        if (c == u'.' && ++dots == 2)
            return collected;
        collected += c;
    }
    return collected;
}
