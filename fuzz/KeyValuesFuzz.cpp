// The game client's KeyValues files and pasted address lists come from other programs. Any bytes
// must read without a crash, an overread or a nesting past the limit; a file that reads must
// read the same again once written back out; and every address taken from either must be usable.
#include "model/AddressList.h"
#include "model/KeyValues.h"
#include "model/SteamImport.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray quoted(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

void write(const QList<KeyValues::Node> &nodes, QByteArray &out)
{
    for (const KeyValues::Node &node : nodes) {
        out += quoted(node.key);
        if (node.isBlock) {
            if (!node.condition.isEmpty())
                out += " [" + node.condition.toUtf8() + ']';
            out += "\n{\n";
            write(node.children, out);
            out += "}\n";
            continue;
        }
        out += ' ' + quoted(node.value);
        if (!node.condition.isEmpty())
            out += " [" + node.condition.toUtf8() + ']';
        out += '\n';
    }
}

bool same(const QList<KeyValues::Node> &a, const QList<KeyValues::Node> &b, int depth)
{
    if (depth > KeyValues::maxDepth || a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].key != b[i].key || a[i].value != b[i].value || a[i].isBlock != b[i].isBlock
            || a[i].condition != b[i].condition || !same(a[i].children, b[i].children, depth + 1))
            return false;
    }
    return true;
}

void checkAddress(const AddressList::Address &address)
{
    if (address.host.isEmpty() || address.port < 1 || address.port > 65535 || address.host.contains(u':'))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A view of exactly the input's bytes, so the sanitizer catches a read one byte past them.
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const KeyValues::Document document = KeyValues::parse(bytes);
    if (document.error.isEmpty()) {
        QByteArray written;
        write(document.nodes, written);
        const KeyValues::Document again = KeyValues::parse(written);
        if (!again.error.isEmpty() || !same(document.nodes, again.nodes, 0))
            std::abort();
        for (const SteamImport::Entry &entry : SteamImport::entriesOf(document)) {
            if (entry.address)
                checkAddress(*entry.address);
            else if (entry.problem.isEmpty())
                std::abort();
        }
    } else if (!document.nodes.isEmpty() || !document.error.startsWith(QStringLiteral("line "))) {
        std::abort();
    }

    for (const AddressList::Address &address : AddressList::parse(QString::fromUtf8(bytes)).addresses)
        checkAddress(address);
    return 0;
}
