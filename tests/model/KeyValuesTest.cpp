#include "model/KeyValues.h"

#include <gtest/gtest.h>

namespace {

const char serverBrowserFile[] = R"("Filters"
{
	"favorites"
	{
		"0"
		{
			"name"		"Frag Central #2"
			"address"		"192.0.2.10:27015"
			"LastPlayed"		"1733580000"
			"appid"		"10"
		}
	}
	"history"
	{
		"0"
		{
			"name"		"Crossfire 24/7"
			"address"		"198.51.100.7:27016"
			"LastPlayed"		"1733000000"
			"appid"		"70"
		}
	}
}
)";

} // namespace

TEST(KeyValues, ReadsAServerBrowserFile)
{
    const KeyValues::Document document = KeyValues::parse(serverBrowserFile);
    ASSERT_TRUE(document.error.isEmpty()) << document.error.toStdString();
    ASSERT_EQ(document.nodes.size(), 1);
    const KeyValues::Node &filters = document.nodes[0];
    EXPECT_TRUE(filters.isBlock);
    const KeyValues::Node *favourite = filters.child(u"FAVORITES")->child(u"0");
    ASSERT_NE(favourite, nullptr);
    EXPECT_EQ(favourite->childValue(u"name"), QStringLiteral("Frag Central #2"));
    EXPECT_EQ(favourite->childValue(u"lastplayed"), QStringLiteral("1733580000"));
    EXPECT_EQ(filters.child(u"history")->child(u"0")->childValue(u"address"), QStringLiteral("198.51.100.7:27016"));
}

TEST(KeyValues, EscapesCommentsConditionsBareTokensAndNesting)
{
    const KeyValues::Document document = KeyValues::parse("\xEF\xBB\xBF// a comment { \"not\" }\n"
                                                          "root [$WIN32]\n"
                                                          "{\n"
                                                          "  \"quote\" \"say \\\"hi\\\"\\n\\tnow\\\\\" // trailing\n"
                                                          "  \"path\" \"C:\\Games\" [!$X360]\n"
                                                          "  bare value a{b{c 1}}\n"
                                                          "  \"url\" \"http://x//y\"\n"
                                                          "  \"multi\" \"two\nlines\"\n"
                                                          "}");
    ASSERT_TRUE(document.error.isEmpty()) << document.error.toStdString();
    const KeyValues::Node &root = document.nodes.at(0);
    EXPECT_EQ(root.key, QStringLiteral("root"));
    EXPECT_EQ(root.condition, QStringLiteral("$WIN32"));
    EXPECT_EQ(root.childValue(u"quote"), QStringLiteral("say \"hi\"\n\tnow\\"));
    EXPECT_EQ(root.childValue(u"path"), QStringLiteral("C:\\Games")) << "a lone backslash stays";
    EXPECT_EQ(root.child(u"path")->condition, QStringLiteral("!$X360"));
    EXPECT_EQ(root.childValue(u"bare"), QStringLiteral("value"));
    EXPECT_EQ(root.child(u"a")->child(u"b")->childValue(u"c"), QStringLiteral("1"));
    EXPECT_EQ(root.childValue(u"url"), QStringLiteral("http://x//y")) << "// inside quotes is no comment";
    EXPECT_EQ(root.childValue(u"multi"), QStringLiteral("two\nlines"));
}

TEST(KeyValues, BrokenFilesNameTheirFaultAndLine)
{
    struct Case
    {
        const char *bytes;
        const char *error;
    };
    const Case cases[] = {
        {"\"a\"\n{\n\"b\" \"c\"\n", "line 2: the block \"a\" is not closed"},
        {"\"a\" \"b\"\n}", "line 2: a '}' closes no block"},
        {"\"a\" { \"b\" \"unclosed }", "line 1: a text in quotes is not closed"},
        {"\"a\"", "line 1: \"a\" has no value"},
        {"\"a\" { \"b\" }", "line 1: \"b\" has no value"},
        {"{ \"a\" \"b\" }", "line 1: a block has no name"},
        {"\"a\" \"b\" [$WIN32\n", "line 1: a condition in brackets is not closed"},
        {"\"a\" \"b\\", "line 1: a text in quotes is not closed"},
    };
    for (const Case &c : cases) {
        const KeyValues::Document document = KeyValues::parse(c.bytes);
        EXPECT_TRUE(document.error.startsWith(QLatin1String(c.error))) << c.bytes << " -> " << document.error.toStdString();
        EXPECT_TRUE(document.nodes.isEmpty());
    }
    // Cut anywhere, a real file is either read or refused, never read past its end.
    const QByteArray whole(serverBrowserFile);
    for (qsizetype size = 1; size < whole.trimmed().size(); ++size) {
        const QByteArray cut = whole.first(size);
        EXPECT_FALSE(KeyValues::parse(QByteArrayView(cut.constData(), size)).error.isEmpty()) << size;
    }
    EXPECT_TRUE(KeyValues::parse(whole.trimmed()).error.isEmpty());
}

TEST(KeyValues, NestingStopsAtTheLimitWithoutExhaustingTheStack)
{
    QByteArray deep;
    for (int i = 0; i < 100000; ++i)
        deep += "k{";
    const KeyValues::Document document = KeyValues::parse(deep);
    EXPECT_TRUE(document.error.contains(QStringLiteral("nested more than 64 deep"))) << document.error.toStdString();

    QByteArray fits;
    for (int i = 1; i < KeyValues::maxDepth; ++i)
        fits = "k{" + fits + "}";
    EXPECT_TRUE(KeyValues::parse(fits).error.isEmpty());
}
