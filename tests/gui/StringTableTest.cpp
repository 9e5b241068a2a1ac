#include "platform/StringTable.h"

#include "ShellFixture.h"
#include "platform/RecentFileList.h"

#include <gtest/gtest.h>

namespace plovex {
namespace {

TEST(StringTable, ReadsEntriesContinuationsAndEscapes)
{
    const StringTable table(u"# a comment\n"
                            "\n"
                            "57600 \"Create a new document\\nNew\"\n"
                            "7 \"one, \"\n"
                            "      \"two \\\"quoted\\\", \"   \n"
                            "\t\"tab\\there, back\\\\slash\"\r\n"
                            "8 \"\"\n");
    ASSERT_TRUE(table.IsValid()) << table.Error().toStdString();
    EXPECT_EQ(table.Text(57600), "Create a new document\nNew");
    EXPECT_EQ(table.Text(7), "one, two \"quoted\", tab\there, back\\slash");
    EXPECT_TRUE(table.Contains(8));
    EXPECT_EQ(table.Text(8), "");
    EXPECT_FALSE(table.Contains(9));
    EXPECT_EQ(table.Text(9), "");
}

TEST(StringTable, RefusesAnythingElseAndNamesTheLine)
{
    struct Case {
        const char16_t* source;
        const char* error;
    };
    const Case cases[] = {
        { u"1 \"a\"\n2 b", "line 2 is not a string entry: 2 b" },
        { u"\"orphan\"", "line 1 is not a string entry: \"orphan\"" },
        { u"1 \"unterminated", "line 1 is not a string entry: 1 \"unterminated" },
        { u"1 \"a\" junk", "line 1 is not a string entry: 1 \"a\" junk" },
        { u"1\"a\"", "line 1 is not a string entry: 1\"a\"" },
        { u"1 \"a\\q\"", "line 1 is not a string entry: 1 \"a\\q\"" },
        { u"1 \"a\"\n1 \"b\"", "line 2 is not a string entry: 1 \"b\"" }, // one text per id
        { u"x \"a\"", "line 1 is not a string entry: x \"a\"" },
        // An indented line continues the string above; it cannot start one.
        { u"1 \"a\"\n  2 \"b\"", "line 2 is not a string entry:   2 \"b\"" },
    };
    for (const Case& c : cases) {
        const QString source = QString::fromUtf16(c.source);
        SCOPED_TRACE(source.toStdString());
        const StringTable table(source);
        EXPECT_FALSE(table.IsValid());
        EXPECT_EQ(table.Error().toStdString(), c.error);
        EXPECT_FALSE(table.Contains(1));
    }
    const StringTable missing = StringTable::FromFile(":/no/such/table.txt");
    EXPECT_FALSE(missing.IsValid());
    EXPECT_EQ(missing.Error().left(33), "cannot read :/no/such/table.txt: ");
}

TEST(StringTable, TheProgramsTableHoldsItsStrings)
{
    const StringTable& table = StringTable::Application();
    ASSERT_TRUE(table.IsValid()) << table.Error().toStdString();
    struct Entry {
        int id;
        const char* text;
    };
    const Entry entries[] = {
        { 129, "\nGraph\nGraph\nPlovex Graph (*.pxg)\n.pxg\nPlovex.Graph\nPlovex Graph" },
        { 57344, "Plovex 2" },
        { 57345, "Ready" },
        { 57600, "Create a new document\nNew" },
        { 57616, "Open this document" },
        { 57619, "Open this document" },
        { 57643, "Undo the last action\nUndo" },
        { 57680, "Switch to the next window pane\nNext Pane" },
        { 57681, "Switch back to the previous window pane\nPrevious Pane" },
        { 59137, "CAP" },
        { 59138, "NUM" },
        { 59139, "SCRL" },
        { 32772,
            "Save the active graph as an image, SVG or PDF file of the size you choose\nExport "
            "Graph" },
        { 32826,
            "Show the active graph on the whole screen; F11 or Esc goes back\nFull Screen Graph" },
        { 32773, "Copy the graph's picture to the Clipboard\nCopy Graph" },
        { 57607, "Print the active graph\nPrint" },
        { 57609, "Display the page as it will be printed\nPrint Preview" },
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.id);
        EXPECT_EQ(LoadString(entry.id), entry.text);
    }
    for (int topic = 61216; topic < 61222; ++topic)
        EXPECT_GT(LoadString(topic).size(), 100) << topic;
}

TEST_F(ShellTest, RecentFileMenuTextsNumberEscapeAndShortenThePaths)
{
    RecentFileList list(4);
    list.Add("/home/ann/graphs/circle.pxg");
    list.Add("/home/ann/Tom & Jerry.pxg");
    list.Add("/home/ann/a/very/long/path/that/goes/on/and/on/through/many/folders/graph.pxg");
    EXPECT_EQ(list.MenuText(0), "&1 /home/.../that/goes/on/and/on/through/many/folders/graph.pxg");
    EXPECT_EQ(list.MenuText(1), "&2 /home/ann/Tom && Jerry.pxg");
    EXPECT_EQ(list.MenuText(2), "&3 /home/ann/graphs/circle.pxg");

    // Adding a listed file moves it up; relative names are made absolute.
    list.Add("/home/ann/graphs/../graphs/circle.pxg");
    EXPECT_EQ(list.Files().first(), "/home/ann/graphs/circle.pxg");
    EXPECT_EQ(list.Files().size(), 3);
}

} // namespace
} // namespace plovex
