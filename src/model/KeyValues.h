#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// A reader for the game client's KeyValues text files: quoted and bare names and values, nested
// blocks in braces, // comments, backslash escapes in quotes and [$CONDITION] marks. The files
// come from another program and may be cut short or damaged, so the reader never reads past its
// input, never nests deeper than it allows, and names the line of the first fault it meets.
namespace KeyValues {

/// How deep blocks may nest; real files nest three or four deep.
inline constexpr int maxDepth = 64;

struct Node
{
    QString key;
    /// The value of a name-value pair; empty for a block.
    QString value;
    QList<Node> children;
    bool isBlock = false;
    /// The text between the brackets of a condition after the value or the block's name
    /// ("$WIN32", "!$X360"); empty when there is none.
    QString condition;

    /// The first child with this name, compared without regard to case as the client does.
    const Node *child(QStringView name) const;
    /// The value of that child, or an empty text.
    QString childValue(QStringView name) const;
};

struct Document
{
    QList<Node> nodes;
    /// Empty when the whole input was read; otherwise "line N: what is wrong".
    QString error;
};

/// Reads UTF-8 text (a byte order mark is passed over).
Document parse(QByteArrayView bytes);

} // namespace KeyValues
