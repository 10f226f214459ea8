#include "help/help_book.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

HelpBook Parse(const std::string& text) {
    return ParseHelpBook(text.data(), text.size());
}

TEST(ParseHelpBook, DirectivesTopicsAndParagraphs) {
    const HelpBook book = Parse("#book Book Title\r\n"
                                "#find &Find:\r\n"
                                "text before the first topic is dropped\r\n"
                                "#topic 0 Contents\r\n"
                                "First line\r\n"
                                "continues the paragraph.\r\n"
                                "\r\n"
                                "\r\n"
                                "Second paragraph:\r\n"
                                "- an item\r\n"
                                "- another item\r\n"
                                "  indented line\r\n"
                                "#topic 24   Overview\n"
                                "\n"
                                "LF line ends\n"
                                "#topic 17 Printing\r\n"
                                "#topicx is text\r\n"
                                "#book in a topic is a directive, #other is text\r\n"
                                "Last line without line end");
    EXPECT_EQ(book.title, "in a topic is a directive, #other is text");
    EXPECT_EQ(book.findLabel, "&Find:");
    ASSERT_EQ(book.topics.size(), 3u);
    EXPECT_EQ(book.topics[0].id, 0);
    EXPECT_EQ(book.topics[0].title, "Contents");
    EXPECT_EQ(book.topics[0].body, "First line continues the paragraph.\r\n"
                                   "\r\n"
                                   "Second paragraph:\r\n"
                                   "- an item\r\n"
                                   "- another item\r\n"
                                   "  indented line");
    EXPECT_EQ(book.topics[1].id, 24);
    EXPECT_EQ(book.topics[1].title, "Overview");
    EXPECT_EQ(book.topics[1].body, "LF line ends");
    EXPECT_EQ(book.topics[2].id, 17);
    EXPECT_EQ(book.topics[2].body, "#topicx is text Last line without line end");
}

TEST(ParseHelpBook, EmptyAndTopicless) {
    EXPECT_TRUE(Parse("").topics.empty());
    EXPECT_TRUE(Parse("just text\r\n").topics.empty());
    const HelpBook book = Parse("#topic 5 Empty\r\n\r\n\r\n#topic 6 Next\r\nx");
    ASSERT_EQ(book.topics.size(), 2u);
    EXPECT_EQ(book.topics[0].body, "");
    EXPECT_EQ(book.topics[1].body, "x");
    EXPECT_EQ(FindHelpTopic(book, 6), &book.topics[1]);
    EXPECT_EQ(FindHelpTopic(book, 7), nullptr);
}

TEST(TopicMatches, EveryWordIgnoringCaseAndAccents) {
    const HelpTopic topic = {10, "Guardar en WIN.INI",
                             "Las fuentes se escriben en la secci\xF3n PostScript.\r\n"
                             "\xC9sta es la \xDAltima l\xEDnea."};
    struct Case {
        const char* search;
        bool matches;
    };
    const Case cases[] = {
        {"", true},
        {"   ", true},
        {"guardar", true}, // title
        {"win.ini", true},
        {"seccion", true},               // accent not typed
        {"SECCI\xD3N", true},            // capital with accent
        {"secci\xF3n postscript", true}, // every word somewhere
        {"postscript  fuentes", true},
        {"ultima linea", true},
        {"esta", true},
        {"seccion impresora", false}, // one word missing
        {"printer", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TopicMatches(topic, c.search), c.matches) << c.search;
}

std::string ReadSource(const char* name) {
    std::ifstream file(std::string(MARLIX_SOURCE_DIR) + "/res/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Both books must answer every topic the program asks for, and have the same topics in the
// same order, so that switching the language never loses a page.
TEST(HelpBooks, BothLanguagesHoldTheSameTopics) {
    const HelpBook english = Parse(ReadSource("help_en.txt"));
    const HelpBook spanish = Parse(ReadSource("help_es.txt"));
    EXPECT_EQ(english.title, "Marlix32 Help");
    EXPECT_EQ(spanish.title, "Ayuda de Marlix32");
    EXPECT_FALSE(english.findLabel.empty());
    EXPECT_FALSE(spanish.findLabel.empty());
    ASSERT_EQ(english.topics.size(), spanish.topics.size());
    std::set<int> ids;
    for (size_t i = 0; i < english.topics.size(); ++i) {
        EXPECT_EQ(english.topics[i].id, spanish.topics[i].id) << i;
        EXPECT_TRUE(ids.insert(english.topics[i].id).second)
            << "duplicate " << english.topics[i].id;
        EXPECT_GT(english.topics[i].body.size(), 200u) << english.topics[i].title;
        EXPECT_GT(spanish.topics[i].body.size(), 200u) << spanish.topics[i].title;
    }
    for (int asked : {0, 24, 10, 20, 17, 90})
        EXPECT_TRUE(ids.count(asked)) << "topic " << asked;
    EXPECT_EQ(english.topics.front().id, 0) << "the contents come first";
}

TEST(HelpBooks, SpanishIsCodePage1252) {
    const std::string spanish = ReadSource("help_es.txt");
    EXPECT_NE(spanish.find("configuraci\xF3n"), std::string::npos);
    for (const char* utf8 :
         {"\xC3\xA1", "\xC3\xA9", "\xC3\xAD", "\xC3\xB3", "\xC3\xBA", "\xC3\xB1"})
        EXPECT_EQ(spanish.find(utf8), std::string::npos) << "UTF-8 bytes in a code page 1252 file";
}

} // namespace
