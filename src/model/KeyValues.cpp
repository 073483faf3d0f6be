#include "model/KeyValues.h"

#include <QCoreApplication>
#include <QByteArray>

namespace KeyValues {

namespace {

enum class Kind { Text, Open, Close, Condition, End, Fault };

struct Token
{
    Kind kind = Kind::End;
    QString text;
    int line = 1;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

class Lexer
{
public:
    explicit Lexer(QByteArrayView bytes)
        : m_bytes(bytes)
    {
        if (m_bytes.startsWith("\xEF\xBB\xBF"))
            m_at = 3;
    }

    const Token &peek()
    {
        if (!m_peeked) {
            m_next = read();
            m_peeked = true;
        }
        return m_next;
    }

    Token take()
    {
        peek();
        m_peeked = false;
        return std::move(m_next);
    }

private:
    bool atEnd() const { return m_at >= m_bytes.size(); }
    char current() const { return m_bytes[m_at]; }

    void skipBlanksAndComments()
    {
        while (!atEnd()) {
            const char c = current();
            if (isBlank(c)) {
                if (c == '\n')
                    ++m_line;
                ++m_at;
            } else if (c == '/' && m_at + 1 < m_bytes.size() && m_bytes[m_at + 1] == '/') {
                while (!atEnd() && current() != '\n')
                    ++m_at;
            } else {
                return;
            }
        }
    }

    Token read()
    {
        skipBlanksAndComments();
        if (atEnd())
            return {Kind::End, {}, m_line};
        const int line = m_line;
        switch (current()) {
        case '{':
            ++m_at;
            return {Kind::Open, {}, line};
        case '}':
            ++m_at;
            return {Kind::Close, {}, line};
        case '"':
            return quoted();
        case '[':
            return condition();
        default:
            return bare();
        }
    }

    Token quoted()
    {
        const int line = m_line;
        ++m_at;
        QByteArray text;
        while (!atEnd()) {
            const char c = current();
            ++m_at;
            if (c == '"')
                return {Kind::Text, QString::fromUtf8(text), line};
            if (c == '\n')
                ++m_line;
            if (c != '\\') {
                text.append(c);
                continue;
            }
            if (atEnd())
                break;
            const char escaped = current();
            ++m_at;
            switch (escaped) {
            case 'n':
                text.append('\n');
                break;
            case 't':
                text.append('\t');
                break;
            case 'r':
                text.append('\r');
                break;
            case '\\':
            case '"':
                text.append(escaped);
                break;
            default:
                // A lone backslash, as in a Windows path written by hand, stays as it is.
                text.append('\\');
                if (escaped == '\n')
                    ++m_line;
                text.append(escaped);
            }
        }
        return Token{Kind::Fault, QCoreApplication::translate("KeyValues", "a text in quotes is not closed"), line};
    }

    Token condition()
    {
        const int line = m_line;
        const qsizetype start = ++m_at;
        while (!atEnd() && current() != ']' && current() != '\n')
            ++m_at;
        if (atEnd() || current() != ']')
            return Token{Kind::Fault, QCoreApplication::translate("KeyValues", "a condition in brackets is not closed"), line};
        const QString text = QString::fromUtf8(m_bytes.sliced(start, m_at - start));
        ++m_at;
        return {Kind::Condition, text, line};
    }

    Token bare()
    {
        const qsizetype start = m_at;
        while (!atEnd()) {
            const char c = current();
            if (isBlank(c) || c == '"' || c == '{' || c == '}' || c == '[')
                break;
            ++m_at;
        }
        return {Kind::Text, QString::fromUtf8(m_bytes.sliced(start, m_at - start)), m_line};
    }

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    int m_line = 1;
    Token m_next;
    bool m_peeked = false;
};

QString located(int line, const QString &what)
{
    return QCoreApplication::translate("KeyValues", "line %1: %2").arg(line).arg(what);
}

QString quotedName(const QString &name)
{
    return u'"' + name.left(40) + u'"';
}

// Reads name-value pairs and blocks up to the closing brace of the block `blockName` opened on
// `openLine` (or up to the end of the input at depth 0). Returns the fault, or an empty text.
QString readList(Lexer &lexer, QList<Node> &into, int depth, const QString &blockName, int openLine)
{
    for (;;) {
        Token name = lexer.take();
        switch (name.kind) {
        case Kind::End:
            if (depth == 0)
                return {};
            return located(openLine, QCoreApplication::translate("KeyValues", "the block ") + quotedName(blockName)
                                         + QCoreApplication::translate("KeyValues", " is not closed before the end of the file"));
        case Kind::Close:
            return depth == 0 ? located(name.line, QCoreApplication::translate("KeyValues", "a '}' closes no block")) : QString();
        case Kind::Open:
            return located(name.line, QCoreApplication::translate("KeyValues", "a block has no name before its '{'"));
        case Kind::Condition:
            return located(name.line, QCoreApplication::translate("KeyValues", "a condition stands where a name should"));
        case Kind::Fault:
            return located(name.line, name.text);
        case Kind::Text:
            break;
        }

        Node node;
        node.key = std::move(name.text);
        Token next = lexer.take();
        if (next.kind == Kind::Condition) {
            node.condition = std::move(next.text);
            next = lexer.take();
        }
        if (next.kind == Kind::Fault)
            return located(next.line, next.text);
        if (next.kind == Kind::Open) {
            if (depth + 1 >= maxDepth)
                return located(next.line, QCoreApplication::translate("KeyValues", "blocks are nested more than %1 deep").arg(maxDepth));
            node.isBlock = true;
            if (QString fault = readList(lexer, node.children, depth + 1, node.key, next.line); !fault.isEmpty())
                return fault;
        } else if (next.kind == Kind::Text && node.condition.isEmpty()) {
            node.value = std::move(next.text);
            if (lexer.peek().kind == Kind::Condition)
                node.condition = lexer.take().text;
        } else {
            return located(next.line, quotedName(node.key) + QCoreApplication::translate("KeyValues", " has no value"));
        }
        into.append(std::move(node));
    }
}

} // namespace

const Node *Node::child(QStringView name) const
{
    for (const Node &node : children) {
        if (node.key.compare(name, Qt::CaseInsensitive) == 0)
            return &node;
    }
    return nullptr;
}

QString Node::childValue(QStringView name) const
{
    const Node *found = child(name);
    return found ? found->value : QString();
}

Document parse(QByteArrayView bytes)
{
    Lexer lexer(bytes);
    Document document;
    document.error = readList(lexer, document.nodes, 0, {}, 0);
    if (!document.error.isEmpty())
        document.nodes.clear();
    return document;
}

} // namespace KeyValues
